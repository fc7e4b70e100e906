#include "one_page/one_page.h"

#include "one_page/base64.h"

#include <stdexcept>

// Script text can end its element early only with "</script" and enter the parser's escaped
// states only with "<!--": a backslash in each keeps the parser out, and means nothing to the
// script where such text can stand (in a string, a regular expression or a comment).
static std::string scriptText(const std::string& text) {
    std::string safe;
    safe.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        safe += text[i];
        if (text[i] != '<' || i + 1 >= text.size()) continue;
        const std::string next = text.substr(i + 1, 7);
        std::string lower;
        for (const char c : next)
            lower += static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
        if (lower.starts_with("/script") || lower.starts_with("!--")) safe += '\\';
    }
    return safe;
}

// Replaces each open + NAME + close in page with made(NAME).
static std::string replaceLinks(const std::string& page, const std::string& open,
                                const std::string& close,
                                const std::function<std::string(const std::string&)>& made) {
    std::string result;
    std::size_t at = 0;
    for (std::size_t found; (found = page.find(open, at)) != std::string::npos;) {
        const std::size_t nameAt = found + open.size();
        const std::size_t end = page.find(close, nameAt);
        if (end == std::string::npos) throw std::runtime_error("unclosed " + open);
        result += page.substr(at, found - at) + made(page.substr(nameAt, end - nameAt));
        at = end + close.size();
    }
    return result + page.substr(at);
}

std::string makeOnePage(const std::string& page,
                        const std::function<std::string(const std::string&)>& readFile,
                        const std::vector<CarriedFile>& files) {
    const std::size_t firstScript = page.find("<script src=\"");
    if (firstScript == std::string::npos) throw std::runtime_error("the page has no script");
    std::string carried;
    for (const CarriedFile& file : files)
        carried += "<script type=\"application/octet-stream\" data-file=\"" + file.name + "\">" +
                   base64(file.bytes) + "</script>\n";
    const std::string withFiles = page.substr(0, firstScript) + carried + page.substr(firstScript);
    const std::string withStyle = replaceLinks(
        withFiles, "<link rel=\"stylesheet\" href=\"", "\">",
        [&](const std::string& name) { return "<style>\n" + readFile(name) + "</style>"; });
    return replaceLinks(withStyle, "<script src=\"", "\"></script>", [&](const std::string& name) {
        return "<script>\n" + scriptText(readFile(name)) + "</script>";
    });
}

// The one-file page: its base64, and the site's page with its style, scripts and files
// written into it.
#include "one_page/base64.h"
#include "one_page/one_page.h"

#include <gtest/gtest.h>
#include <map>
#include <stdexcept>
#include <string>

TEST(OnePage, Base64AsTheStandardWritesIt) {
    EXPECT_EQ(base64(""), "");
    EXPECT_EQ(base64("f"), "Zg==");
    EXPECT_EQ(base64("fo"), "Zm8=");
    EXPECT_EQ(base64("foo"), "Zm9v");
    EXPECT_EQ(base64("foobar"), "Zm9vYmFy");
    EXPECT_EQ(base64(std::string("\0\xff\xfe", 3)), "AP/+");
}

TEST(OnePage, LinkedFilesWrittenInAndDataCarriedBeforeTheScripts) {
    const std::map<std::string, std::string> site = {
        {"page.css", "body {}\n"},
        {"page.js", "const a = '</script>', b = '<!-- x';\n"},
    };
    const auto readFile = [&](const std::string& name) {
        if (!site.contains(name)) throw std::runtime_error("no " + name);
        return site.at(name);
    };
    const std::string page = "<head><link rel=\"stylesheet\" href=\"page.css\"></head>\n"
                             "<body><script src=\"page.js\"></script></body>";
    EXPECT_EQ(makeOnePage(page, readFile, {{"a.bin", "foo"}}),
              "<head><style>\nbody {}\n</style></head>\n<body>"
              "<script type=\"application/octet-stream\" data-file=\"a.bin\">Zm9v</script>\n"
              "<script>\nconst a = '<\\/script>', b = '<\\!-- x';\n</script></body>");
    EXPECT_THROW(makeOnePage("<script src=\"gone.js\"></script>", readFile, {}),
                 std::runtime_error);
}

// Base64 (RFC 4648, with padding, no line breaks): how the one-file page carries its binary
// files inside its text.
#pragma once
#include <string>
#include <string_view>

std::string base64(std::string_view bytes);

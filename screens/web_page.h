// Web pages on the maker's redirect endpoint, opened through the shell.
#pragma once

#include <string>

namespace kinloom {

// The maker's web server. Plain http: the redirect endpoint has always been linked that way.
inline const std::string kRedirectHost = "http://www.kinloom.com";

// The redirect address that names the page `targetId` for this product.
std::string RedirectAddress(const std::string& targetId);

// Opens `url` with the browser the shell associates; tells the user the address when it cannot.
void OpenWebPage(const std::string& url);

}  // namespace kinloom

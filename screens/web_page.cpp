// Web pages on the maker's redirect endpoint, opened through the shell.
#include "screens/web_page.h"

#include "launcher/global.h"

namespace kinloom {

std::string RedirectAddress(const std::string& targetId) {
  return kRedirectHost + "/familytree/redirect?target_id=" + targetId + "&prod_id=70994";
}

void OpenWebPage(const std::string& url) {
  if (!Global::ShellOpenOk(url, "", "")) Global::ReportNoHtmlAssociation(url);
}

}  // namespace kinloom

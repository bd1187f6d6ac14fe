#include "app/documents/CommandLine.h"

#include <filesystem>

#include "app/window/MainWindow.h"

namespace tessaly {

std::optional<std::string> StartFile(const std::vector<std::string>& arguments) {
  if (arguments.empty()) return std::string();
  if (arguments.size() > 1 || arguments.front().empty() || arguments.front().front() == '-') return std::nullopt;
  return arguments.front();
}

void OpenStartFile(TOsnovnFRM& window, const std::string& path) {
  // A drop names its file absolutely; the window takes the page's folder
  // from that name.
  const std::string absolute = std::filesystem::absolute(path).lexically_normal().string();
  window.RunCommand([&window, &absolute] { window.WMDropFiles({absolute}); });
}

}  // namespace tessaly

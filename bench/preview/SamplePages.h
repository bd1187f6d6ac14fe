#pragma once
// Pages of everyday markup (text, links, lists, tables, images, forms) of a
// chosen size, the same on every run.

#include <cstddef>
#include <string>

namespace tessaly::bench {

std::string SamplePage(size_t bytes);

}  // namespace tessaly::bench

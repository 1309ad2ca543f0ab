#pragma once

#include <stdexcept>

namespace zelvaris {

// Bad usage of the batch program: a one-line reason, printed with the usage
// text, exit status 2.
class THasznalatHiba : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace zelvaris

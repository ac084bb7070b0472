#pragma once
// The platform's exception classes. Every error the platform raises derives from Exception.
#include <stdexcept>
#include <string>

namespace vexa {

class Exception : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Assignment between incompatible persistent objects ("Cannot assign a X to a Y").
class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

// An image file that cannot be read, or a bitmap that cannot be made.
class EInvalidGraphic : public Exception {
 public:
  using Exception::Exception;
};

// A file that cannot be opened or read.
class EFileError : public Exception {
 public:
  using Exception::Exception;
};

// A real argument outside a function's domain (logarithm of a non-positive value and the like).
class EMathError : public Exception {
 public:
  using Exception::Exception;
};

}  // namespace vexa

#pragma once
#include <stdexcept>

// A text that is not a valid number, or an entry outside its allowed range.
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

#pragma once
// Arithmetic that has no finite result ends the command with one of three errors; no NaN or
// infinity ever leaves a calculation silently.
#include <stdexcept>

class EMathError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
class EZeroDivide : public EMathError {
public:
    EZeroDivide();
};
class EInvalidOp : public EMathError {
public:
    EInvalidOp();
};
class EOverflow : public EMathError {
public:
    EOverflow();
};

// a / b: a non-zero over zero is EZeroDivide, 0/0 is EInvalidOp, an infinite quotient EOverflow.
double CheckedDivide(double a, double b);
// Square root; a negative argument is EInvalidOp.
double CheckedSqrt(double x);
// Passes a finite result through; infinity is EOverflow, NaN is EInvalidOp.
double CheckedResult(double x);

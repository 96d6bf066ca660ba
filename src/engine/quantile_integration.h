#pragma once
// The stepping integrations behind the quantiles. Each keeps a running sum S from x = 0 and repeats
// S = S + h*(f(x) + f(x + h)); x = x + h until the sum reaches the level; S is then the
// probability of [-x, x]. Exposed so that tests can hold both results against a plain loop.
#include <cstdint>

struct IntegrationEnd {
    double X;   // the quantile
    double Sum; // the probability the sum reached
};

// Standard normal density with step h; stops as soon as S > p. ECalculation for p outside (0, 1).
IntegrationEnd IntegrateNormal(double h, double p);
// Student's t density with nu (1..341) degrees of freedom, step 1e-6; stops as soon as S >= p.
// ECalculation for p outside (0, MaxStudentLevel].
IntegrationEnd IntegrateStudent(int64_t nu, double p);

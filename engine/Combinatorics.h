#pragma once

/// F(v): v! in double precision, multiplied in ascending order; 0 for a negative or non-integer v,
/// infinity from 171 on (the product stops growing once infinite, so huge v costs no time).
double factorial(double v);

/// The "!" operator: status kFactorialDomain and 0 for a negative or non-integer operand.
double factorialOperator(double x, int& status);
/// "npr": F(n) / F(n - r) up to n = 170; above, where F(n) is infinite, the product (n - r + 1) × … × n in
/// ascending order, infinite once beyond the double range. Status kNprOrder when n < r, else kNprIntegers
/// when an operand is not an integer.
double permutations(double n, double r, int& status);
/// "ncr": npr(n, r) / F(r) up to n = 170; above, the product over i = 1..k of (n - k + i) / i with
/// k = min(r, n - r), infinite once beyond the double range. Status kNcrOrder when n < r, else kNcrIntegers
/// when an operand is not an integer.
double combinations(double n, double r, int& status);
/// "fib": fib(1) = fib(2) = 1; status kFibonacciDomain below 1 or for a non-integer. Exact up to fib(78),
/// rounded beyond, infinite from fib(1477) on.
double fibonacci(double x, int& status);

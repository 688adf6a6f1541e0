#pragma once

// A draw has nine designated matches. Every draw record keeps match n at index n - 1 of its
// match array, and per-grade values of grade g at index g - 1.
inline constexpr int MatchCount = 9;

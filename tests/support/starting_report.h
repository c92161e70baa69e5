#pragma once

// The report block of the starting one-sample mean analysis: 13 samples at
// 1000 + 50 each, limits 0.01 at 50 and 75.
inline const char* const kStartingReport =
    "************************************************************\n\n"
    "                Design/DQO Summary Screen\n\n"
    "For the Sampling Design of:  Simple Random Sampling\n"
    "Total Cost: $13650.00\n"
    "  Laboratory Cost per Sample: $1000.00\n"
    "  Field Cost per Sample: $50.00\n"
    "Number of Samples: 13\n\n"
    "                Data Quality Objectives\n"
    "Action Level:    50.000\n"
    "Gray Region:     50.000 - 75.000\n"
    "Baseline Condition: mean <= 50.000\n"
    "Standard Deviation (SD):  16.67\n\n"
    "                Decision Error Limits\n"
    "            conc.        prob(error)     type\n"
    "             ---            ----         FR\n"
    "             ---            ----         FR\n"
    "           50.000         0.0100        FR    \n"
    "           75.000         0.0100        FA\n"
    "             ---            ----         FA\n"
    "             ---            ----         FA\n\n"
    "************************************************************\n";

#pragma once

struct DQORecord;
class Messages;

// One pass of an analysis on a record whose calculation block is filled: the
// design with its adjustments, the additional limit checks, the performance
// curve and the plot description.
void ComputeAnalysisPass(DQORecord& rec, Messages& messages);

// A number of samples and a total cost as typed on the summary screen: a
// changed number of samples wins; otherwise a total cost that differs in
// whole cents asks for the number of samples it buys.
void AcceptTypedSamplesAndCost(DQORecord& rec, int samples, double totalCost);

// When a number of samples was asked for, turns it into the false acceptance
// limit of the inputs that makes the next pass yield that size.
void ApplyTypedSamples(DQORecord& rec, Messages& messages);

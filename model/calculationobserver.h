#pragma once
// Lets a test (or a profiler) watch the family calculation run: each step of
// each person, each exchange between the spouses, each summary refresh.

class IndividualTaxData;

class CalculationObserver
{
public:
    virtual ~CalculationObserver() = default;
    virtual void stepRun(const IndividualTaxData& person, int step, bool fromInterview, int changedType,
                         bool isSpouse) = 0;
    virtual void exchanged(int step) = 0;
    virtual void summaryUpdated(const IndividualTaxData& person, bool isCurrent) = 0;
};

// Not owned; null (the default) watches nothing.
void setCalculationObserver(CalculationObserver* observer);
CalculationObserver* calculationObserver();

#pragma once
// The return-level rules across forms, slips and the T1, in their order.

struct RuleInputs;

void applyReturnRules(RuleInputs& in);

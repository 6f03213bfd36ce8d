#pragma once
// Answers the question seam with real dialogs: the desktop program installs
// this once, right after the application object is made.

#include "prompt.h"

class WidgetPrompts : public Prompt::Handler
{
public:
    Prompt::Answer ask(const Prompt::Request& request) override;
};

// Installs one WidgetPrompts for the rest of the run.
void installWidgetPrompts();

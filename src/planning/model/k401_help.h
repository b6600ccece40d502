// The help text of the 401(k) window.
#pragma once

#include <QString>

// Where the prompts stand. The help panel's lines are 210 twips apart (the
// program's 9-point font, as in every calculator's help panel) and the input
// boxes kK401BoxSpacing apart; each box's prompt goes on the line nearest the
// box's middle, the first box's prompt on line kK401FirstPromptLine (from 0).
constexpr int kK401HelpLineTwips = 210;
constexpr int kK401BoxSpacing = 720;
constexpr int kK401FirstPromptLine = 2;
// The line of box `box`'s prompt (0 for the first box).
constexpr int K401PromptLine(int box) {
    return kK401FirstPromptLine +
           (box * kK401BoxSpacing + kK401HelpLineTwips / 2) / kK401HelpLineTwips;
}

// Lines joined with CR LF, ending with 50 blanks and "End".
QString K401HelpText();

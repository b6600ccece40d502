#include "shell/model/help_topics.h"

namespace {

struct HelpTopic {
    const char* window;
    int mode;  // the mode this line is for; kAnyMode for every other
    const char* anchor;
};

constexpr int kAnyMode = -1;

// One line per window (a line per mode first where the mode matters). A new
// window of any subsystem gets F1 help by adding its line here.
constexpr HelpTopic kTopics[] = {
    {"MenuMain", kAnyMode, "menu"},
    {"bakgnd", kAnyMode, "start"},
    {"SymbolFonts", kAnyMode, "settings"},
    {"FileDir", kAnyMode, "files"},
    {"CalcInpt", 2, "comparisons"},
    {"CalcInpt", kAnyMode, "savings"},
    {"Calcyear", kAnyMode, "calcyear"},
    {"PlanK", kAnyMode, "k401"},
    {"Income", kAnyMode, "retirement"},
    {"CalCaptl", kAnyMode, "capital"},
    {"CdnMort", 2, "loans"},
    {"CdnMort", kAnyMode, "mortgages"},
    {"FundMenu", kAnyMode, "fundmenu"},
    {"RecordEntry", kAnyMode, "records"},
    {"NamInput", kAnyMode, "smallwindows"},
    {"CurrValue", kAnyMode, "currentvalue"},
    {"Returns", kAnyMode, "returns"},
    {"InCurVal", kAnyMode, "smallwindows"},
    {"FunChose", kAnyMode, "display"},
    {"Table1", 2, "display"},  // by TableMode: 1 current value, 2 a fund's records
    {"Table1", kAnyMode, "currentvalue"},
    {"Form1", kAnyMode, "charts"},
    {"DispNet", kAnyMode, "networth"},
    {"FindComp", kAnyMode, "compound"},
};

}  // namespace

QString HelpAnchorFor(const QString& window, int mode) {
    for (const HelpTopic& t : kTopics) {
        if (window != QLatin1String(t.window)) continue;
        if (t.mode == kAnyMode || t.mode == mode) return QString::fromLatin1(t.anchor);
    }
    return {};
}

QStringList WindowsWithHelp() {
    QStringList names;
    for (const HelpTopic& t : kTopics) {
        const QString name = QString::fromLatin1(t.window);
        if (!names.contains(name)) names << name;
    }
    return names;
}

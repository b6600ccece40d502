#include "shell/model/help_topics.h"

namespace {

struct HelpTopic {
    const char* window;
    const char* anchor;
};

// One line per window. A new window of any subsystem gets F1 help by adding its line here; a
// window of two uses names the section of its other use itself (kHelpSectionProperty).
constexpr HelpTopic kTopics[] = {
    {"MenuMain", "menu"},
    {"bakgnd", "start"},
    {"SymbolFonts", "settings"},
    {"FileDir", "files"},
    {"CalcInpt", "savings"},
    {"Calcyear", "calcyear"},
    {"PlanK", "k401"},
    {"Income", "retirement"},
    {"CalCaptl", "capital"},
    {"CdnMort", "mortgages"},
    {"FundMenu", "fundmenu"},
    {"RecordEntry", "records"},
    {"NamInput", "smallwindows"},
    {"CurrValue", "currentvalue"},
    {"Returns", "returns"},
    {"InCurVal", "smallwindows"},
    {"FunChose", "display"},
    {"Table1", "currentvalue"},
    {"Form1", "charts"},
    {"DispNet", "networth"},
    {"FindComp", "compound"},
};

}  // namespace

QString HelpAnchorFor(const QString& window) {
    for (const HelpTopic& t : kTopics)
        if (window == QLatin1String(t.window)) return QString::fromLatin1(t.anchor);
    return {};
}

QStringList WindowsWithHelp() {
    QStringList names;
    for (const HelpTopic& t : kTopics) {
        names << QString::fromLatin1(t.window);
    }
    return names;
}

// The help documents: links and anchors resolve, every window has its section, and every figure of
// a worked example is the figure the program shows.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

#include "help/worked_example_figures.h"
#include "shell/model/help_topics.h"

namespace {

const QString kHelpDir = QStringLiteral(VANTORA_SAMPLES "/../help");
const QString kExamples = QStringLiteral(VANTORA_TEST_DATA "/../help/worked_examples.tsv");

QString ReadText(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readAll());
}

struct Document {
    QString file;
    QString html;
    QStringList ids;  // in document order

    QString section(const QString& anchor) const {
        const int start = html.indexOf(QStringLiteral("id=\"%1\"").arg(anchor));
        if (start < 0) return {};
        const int end = html.indexOf(QStringLiteral(" id=\""), start + 1);
        return html.mid(start, end < 0 ? -1 : end - start);
    }
};

Document Load(const QString& file) {
    Document d{file, ReadText(kHelpDir + u'/' + file), {}};
    static const QRegularExpression id(QStringLiteral(" id=\"([^\"]+)\""));
    for (auto it = id.globalMatch(d.html); it.hasNext();) d.ids << it.next().captured(1);
    return d;
}

const Document& Manual() {
    static const Document d = Load(QStringLiteral("VTK.html"));
    return d;
}
const Document& Guide() {
    static const Document d = Load(QStringLiteral("prosprn.html"));
    return d;
}
const Document* ByName(const QString& name) {
    if (name == QLatin1String("VTK") || name == QLatin1String("VTK.html")) return &Manual();
    if (name == QLatin1String("prosprn") || name == QLatin1String("prosprn.html")) return &Guide();
    return nullptr;
}

QString PlainText(QString html) {
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    html.replace(tag, QStringLiteral(" "));
    html.replace(QLatin1String("&minus;"), QLatin1String("-"));
    html.replace(QLatin1String("&nbsp;"), QLatin1String(" "));
    return html;
}

// Decimal figures as the documents write them: 1,278.00, 14.8698, -950.00.
const QRegularExpression& FigurePattern() {
    static const QRegularExpression re(QStringLiteral("(?<![\\w.,])-?\\d{1,3}(?:,\\d{3})*\\.\\d+"));
    return re;
}

double FigureValue(QString text) {
    text.remove(u',');
    text.remove(u'%');
    text.remove(u'$');
    return text.toDouble();
}

bool ContainsFigure(const QString& text, const QString& figure) {
    const QRegularExpression re(
        QStringLiteral("(?<![\\d,.])%1(?![\\d])").arg(QRegularExpression::escape(figure)));
    return re.match(text).hasMatch();
}

struct Example {
    int line = 0;
    QString doc, anchor, calc;
    ExampleInputs inputs;
    QString output, figure;
};

std::vector<Example> Examples() {
    std::vector<Example> rows;
    const QStringList lines = ReadText(kExamples).split(u'\n');
    for (int n = 0; n < lines.size(); ++n) {
        const QString& line = lines[n];
        if (line.trimmed().isEmpty() || line.startsWith(u'#')) continue;
        const QStringList cells = line.split(u'\t');
        Example e;
        e.line = n + 1;
        if (cells.size() == 6) {
            e.doc = cells[0];
            e.anchor = cells[1];
            e.calc = cells[2];
            for (const QString& pair : cells[3].split(u' ', Qt::SkipEmptyParts))
                e.inputs.insert(pair.section(u'=', 0, 0), pair.section(u'=', 1));
            e.output = cells[4];
            e.figure = cells[5];
        }
        rows.push_back(e);
    }
    return rows;
}

}  // namespace

TEST(HelpDocuments, EveryLinkAndAnchorResolves) {
    for (const Document* d : {&Manual(), &Guide()}) {
        SCOPED_TRACE(d->file.toStdString());
        ASSERT_FALSE(d->html.isEmpty());
        EXPECT_EQ(QSet<QString>(d->ids.begin(), d->ids.end()).size(), d->ids.size())
            << "an anchor is used twice";
        static const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
        int links = 0;
        for (auto it = href.globalMatch(d->html); it.hasNext(); ++links) {
            const QString target = it.next().captured(1);
            const QString file = target.section(u'#', 0, 0);
            const QString anchor = target.section(u'#', 1);
            const Document* to = file.isEmpty() ? d : ByName(file);
            ASSERT_NE(to, nullptr) << "link to " << target.toStdString();
            if (!anchor.isEmpty()) {
                EXPECT_TRUE(to->ids.contains(anchor)) << "no anchor for " << target.toStdString();
            }
        }
        EXPECT_GT(links, 10);
    }
    // The two documents lead to each other.
    EXPECT_TRUE(Manual().html.contains(QLatin1String("href=\"prosprn.html")));
    EXPECT_TRUE(Guide().html.contains(QLatin1String("href=\"VTK.html")));
}

TEST(HelpDocuments, EveryWindowHasItsSectionInTheManual) {
    // Every window of the program.
    const QStringList windows = {
        QStringLiteral("MenuMain"),  QStringLiteral("bakgnd"),   QStringLiteral("SymbolFonts"),
        QStringLiteral("FileDir"),   QStringLiteral("FundMenu"), QStringLiteral("RecordEntry"),
        QStringLiteral("CurrValue"), QStringLiteral("NamInput"), QStringLiteral("InCurVal"),
        QStringLiteral("Table1"),    QStringLiteral("FunChose"), QStringLiteral("Form1"),
        QStringLiteral("DispNet"),   QStringLiteral("FindComp"), QStringLiteral("CdnMort"),
        QStringLiteral("CalcInpt"),  QStringLiteral("Calcyear"), QStringLiteral("CalCaptl"),
        QStringLiteral("Income"),    QStringLiteral("PlanK"),    QStringLiteral("Returns")};
    QStringList anchors;
    for (const QString& w : windows) anchors << HelpAnchorFor(w);
    // The sections the windows of two uses open for their other use.
    anchors << kComparisonsHelp << kLoansHelp << kFundRecordsHelp;
    for (const QString& anchor : anchors) {
        EXPECT_FALSE(anchor.isEmpty());
        EXPECT_TRUE(Manual().ids.contains(anchor)) << "#" << anchor.toStdString();
    }
    EXPECT_EQ(WindowsWithHelp().size(), windows.size());
    EXPECT_EQ(HelpAnchorFor(QStringLiteral("NoSuchWindow")), QString());
}

// Each line of the table names a section, a calculation with its inputs, and a
// figure that the section quotes: the figure must be in the section and must
// be what the calculation gives.
TEST(HelpDocuments, WorkedExampleFiguresAreThoseTheProgramShows) {
    const std::vector<Example> examples = Examples();
    ASSERT_GT(examples.size(), 50u);
    QHash<QString, ExampleFigures> worked;
    for (const Example& e : examples) {
        SCOPED_TRACE(QStringLiteral("worked_examples.tsv line %1").arg(e.line).toStdString());
        const Document* d = ByName(e.doc);
        ASSERT_NE(d, nullptr);
        const QString section = PlainText(d->section(e.anchor));
        ASSERT_FALSE(section.isEmpty()) << "no section #" << e.anchor.toStdString();
        EXPECT_TRUE(ContainsFigure(section, e.figure))
            << "#" << e.anchor.toStdString() << " does not quote " << e.figure.toStdString();
        const QString key = e.calc + u'\t' + QStringList(e.inputs.keys()).join(u',') + u'\t' +
                            QStringList(e.inputs.values()).join(u',');
        if (!worked.contains(key)) worked.insert(key, WorkOutExample(e.calc, e.inputs));
        const ExampleFigures& f = worked[key];
        ASSERT_TRUE(f.contains(e.output))
            << e.calc.toStdString() << " gives no " << e.output.toStdString();
        EXPECT_EQ(f[e.output].toStdString(), e.figure.toStdString())
            << "FIGURE " << e.line << " " << e.output.toStdString() << " "
            << f[e.output].toStdString();
    }
}

// The other way round: a decimal figure in a worked example or a "Try it"
// block is either quoted in the table for its section or typed as an input.
TEST(HelpDocuments, EveryFigureOfAnExampleIsInTheTable) {
    QHash<QString, QList<double>> known;  // "doc#anchor" -> figures and inputs
    for (const Example& e : Examples()) {
        const QString where = ByName(e.doc)->file + u'#' + e.anchor;
        known[where] << FigureValue(e.figure);
        for (const QString& v : e.inputs) {
            static const QRegularExpression number(QStringLiteral("-?\\d+(?:\\.\\d+)?"));
            for (auto it = number.globalMatch(v); it.hasNext();)
                known[where] << it.next().captured(0).toDouble();
        }
    }
    int figures = 0;
    for (const Document* d : {&Manual(), &Guide()}) {
        static const QRegularExpression block(QStringLiteral("<div class=\"ex[^\"]*\">(.*?)</div>"),
                                              QRegularExpression::DotMatchesEverythingOption);
        for (auto it = block.globalMatch(d->html); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            // The section the block is in: the last anchor before it.
            QString anchor;
            static const QRegularExpression id(QStringLiteral(" id=\"([^\"]+)\""));
            for (auto ids = id.globalMatch(d->html.left(m.capturedStart())); ids.hasNext();)
                anchor = ids.next().captured(1);
            const QString where = d->file + u'#' + anchor;
            const QString text = PlainText(m.captured(1));
            for (auto f = FigurePattern().globalMatch(text); f.hasNext(); ++figures) {
                const QString figure = f.next().captured(0);
                const double value = FigureValue(figure);
                bool found = false;
                for (double k : known.value(where)) found = found || std::abs(k - value) < 0.00001;
                EXPECT_TRUE(found) << where.toStdString() << " quotes " << figure.toStdString()
                                   << ", which no line of worked_examples.tsv gives";
            }
        }
    }
    EXPECT_GT(figures, 80);
}

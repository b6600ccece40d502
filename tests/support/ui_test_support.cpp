#include "support/ui_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>

#include "platform/printer_device.h"
#include "platform/twips.h"
#include "platform/window_places.h"
#include "platform/window_registry.h"
#include "shell/ui/app_state.h"
#include "shell/ui/window_catalog.h"

namespace {
std::vector<std::shared_ptr<TextDevice>> g_printouts;

// Hands out TextDevices and keeps them readable after the report ends.
class KeptTextDevice : public PrintDevice {
  public:
    explicit KeptTextDevice(std::shared_ptr<TextDevice> d) : d_(std::move(d)) {}
    void newPage() override { d_->newPage(); }
    void endDoc() override { d_->endDoc(); }
    int page() const override { return d_->page(); }
    void setFont(const QString& n, double p, bool b) override { d_->setFont(n, p, b); }
    double textHeight(const QString& t) const override { return d_->textHeight(t); }
    void tab(int c) override { d_->tab(c); }
    void print(const QString& t) override { d_->print(t); }
    void endLine() override { d_->endLine(); }

  private:
    std::shared_ptr<TextDevice> d_;
};
}  // namespace

void WindowTest::SetUp() {
    ASSERT_TRUE(folder.isValid());
    previousFolder = QDir::currentPath();
    QDir::setCurrent(folder.path());
    window_places::setFile(folder.filePath(QStringLiteral("places.ini")));
    State().reset();
    State().settings.currencySymbol = QStringLiteral("$");
    State().settings.linesPerPage = 59;
    DefineWindows();
    g_printouts.clear();
    setPrintDeviceFactory([](const QString&) -> std::unique_ptr<PrintDevice> {
        auto d = std::make_shared<TextDevice>();
        g_printouts.push_back(d);
        return std::make_unique<KeptTextDevice>(d);
    });
}

void WindowTest::TearDown() {
    Windows().unloadAll();
    settle();
    setPrintDeviceFactory({});
    QDir::setCurrent(previousFolder);
}

void WindowTest::settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

std::vector<std::shared_ptr<TextDevice>>& WindowTest::printouts() {
    return g_printouts;
}

QString WindowTest::printToPdf(const QString& fileName) {
    const QString pdf = folder.filePath(fileName);
    setPrintDeviceFactory([pdf](const QString& job) -> std::unique_ptr<PrintDevice> {
        return std::make_unique<PrinterDevice>(pdf, job);
    });
    return pdf;
}

QString pdfText(const QString& pdf, double pitch) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-fixed"), QString::number(pitch),
                                          QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    EXPECT_TRUE(p.waitForFinished(30000));
    return QString::fromUtf8(p.readAllStandardOutput());
}

QStringList pdfPages(const QString& pdf) {
    QStringList pages = pdfText(pdf, 7.2).split(u'\f');
    while (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
    return pages;
}

int columnOf(const QString& text, const QString& needle) {
    for (const QString& line : text.split(u'\n'))
        if (const int at = static_cast<int>(line.indexOf(needle)); at >= 0) return at + 1;
    return -1;
}

int expectColumns(const QString& page, At title, std::initializer_list<At> texts) {
    const int at = columnOf(page, QString::fromLatin1(title.text));
    EXPECT_GT(at, 0) << page.toStdString();
    const int margin = at - title.column;
    expectColumnsFrom(page, margin, texts);
    return margin;
}

void expectColumnsFrom(const QString& page, int margin, std::initializer_list<At> texts) {
    for (const At& t : texts)
        EXPECT_EQ(columnOf(page, QString::fromLatin1(t.text)) - margin, t.column) << t.text;
}

QString shownText(const QWidget* window, const char* name) {
    auto* c = window->findChild<QWidget*>(QString::fromLatin1(name));
    if (!c) return QStringLiteral("<no %1>").arg(QString::fromLatin1(name));
    if (auto* l = qobject_cast<QLabel*>(c)) return l->text();
    if (auto* b = qobject_cast<QAbstractButton*>(c)) return b->text();
    if (auto* e = qobject_cast<QLineEdit*>(c)) return e->text();
    if (auto* list = qobject_cast<QComboBox*>(c)) return list->currentText();
    return QStringLiteral("<no text>");
}

void expectShown(const QWidget* window, std::initializer_list<Shown> rows) {
    ASSERT_TRUE(window);
    for (const Shown& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(shownText(window, row.name), row.text);
        auto* c = window->findChild<QWidget*>(QString::fromLatin1(row.name));
        if (!c) continue;
        if (const Twips& t = row.place; t.width > 0) {
            EXPECT_EQ(c->geometry(), twips::rect(t.left, t.top, t.width, t.height));
        }
        if (!row.items.isEmpty()) {
            auto* list = qobject_cast<QComboBox*>(c);
            ASSERT_TRUE(list) << "not a list";
            QStringList entries;
            for (int i = 0; i < list->count(); ++i) entries << list->itemText(i);
            EXPECT_EQ(entries, row.items);
        }
    }
}

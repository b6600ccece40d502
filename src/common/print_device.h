// PrintDevice: the line printer every report is written against, and TextDevice, its text-page
// form.
#pragma once

#include <QString>
#include <QStringList>
#include <stdexcept>
#include <vector>

// A printer that cannot do what was asked (no printer, no such font, a failed write).
class PrintError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class PrintDevice {
  public:
    virtual ~PrintDevice() = default;

    virtual void newPage() = 0;
    // Ends the document and releases it (to the printer or its file).
    virtual void endDoc() = 0;
    // Current page number, counting from 1.
    virtual int page() const = 0;
    virtual void setFont(const QString& name, double points, bool bold) = 0;
    // Height of `text` in the current font, in twips (1440 to the inch).
    // Throws PrintError when it cannot be measured.
    virtual double textHeight(const QString& text) const = 0;
    // Height of the printable part of one sheet, in twips; 0 when the device
    // has no sheet of fixed height.
    virtual double sheetHeight() const { return 0; }
    // Height of the whole paper, in twips: a Letter sheet (11 inches) unless the
    // device prints on other paper.
    virtual double paperHeight() const { return 15840; }
    // Moves to character column `column` (counting from 1) of the current line;
    // when the line already reaches past it, to that column of the next line.
    virtual void tab(int column) = 0;
    virtual void print(const QString& text) = 0;
    virtual void endLine() = 0;

    // A whole line: `text` then a line end.
    void line(const QString& text = QString()) {
        print(text);
        endLine();
    }
    // `text` at column `column` of the current line (the line is not ended).
    void at(int column, const QString& text) {
        tab(column);
        print(text);
    }
};

// One line of a report laid out in columns. A text placed at a column stands
// there; a figure placed in a field ends at the field's last column, and one
// that fills its field or is wider is kept whole and reaches left into the
// blanks before it, as far as one blank after what the line already holds, so
// the figures of a column end in line as long as there is room.
class ColumnLine {
  public:
    // Where a text of `length` characters right-justified in the field of
    // `width` columns from `column` starts, on a line that holds up to column
    // `usedTo`.
    static int rightStart(int column, int width, int length, int usedTo);

    explicit ColumnLine(PrintDevice& device) : d_(device) {}
    // `text` from column `column` on.
    void at(int column, const QString& text);
    // `text` right-justified in the field of `width` columns from `column`.
    void right(int column, int width, const QString& text);
    void end() { d_.endLine(); }

  private:
    PrintDevice& d_;
    int usedTo_ = 0;  // the last column the line holds
};

// The same rule for a line built as text in a fixed-pitch font: fields placed
// left to right, the text padded with blanks.
class ColumnText {
  public:
    void at(int column, const QString& text);
    void right(int column, int width, const QString& text);
    const QString& text() const { return text_; }

  private:
    QString text_;
};

// Pages of text lines. Used by the tests and to keep a printout as text.
// Like a printer, it makes a page only once something is printed on it: a page
// break with nothing after it leaves no empty page.
class TextDevice : public PrintDevice {
  public:
    TextDevice();

    void newPage() override;
    void endDoc() override;
    int page() const override { return static_cast<int>(pages_.size()) + pendingPages_; }
    void setFont(const QString& name, double points, bool bold) override;
    double textHeight(const QString& text) const override;
    double sheetHeight() const override { return sheetHeight_; }
    void tab(int column) override;
    void print(const QString& text) override;
    void endLine() override;

    // Pages as printed; the line being built is included once the document ends.
    const std::vector<QStringList>& pages() const { return pages_; }
    // One page as text, lines joined with "\n" (each line ends with "\n").
    QString pageText(int index) const;
    // Every page, separated by a form feed line.
    QString allText() const;
    bool ended() const { return ended_; }
    int fontChanges() const { return fontChanges_; }
    QString fontName() const { return fontName_; }
    double fontSize() const { return fontSize_; }
    // Makes the next textHeight() throw, as a device that cannot be measured does.
    void setMeasurable(bool measurable) { measurable_ = measurable; }
    // Twips per line of the standard font (default 240, a 12-point line).
    void setStandardLineHeight(double twips) { standardHeight_ = twips; }
    // The printable height of a sheet the device stands for (0 = none).
    void setSheetHeight(double twips) { sheetHeight_ = twips; }

  private:
    void startPendingPages();
    std::vector<QStringList> pages_;
    int pendingPages_ = 0;
    double sheetHeight_ = 0;
    QString current_;
    bool lineOpen_ = false;
    bool ended_ = false;
    int fontChanges_ = 0;
    QString fontName_;
    double fontSize_ = 12;
    double standardHeight_ = 240;
    bool measurable_ = true;
};

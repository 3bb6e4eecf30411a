#include "qt/code_panel.h"

#include "qt/units.h"

#include <QFontInfo>
#include <QFontMetrics>

#include <algorithm>

namespace {

QFont codeFont(int pixels) {
    QFont code(QStringLiteral("Liberation Mono"));
    code.setStyleHint(QFont::Monospace);
    code.setPixelSize(pixels);
    return code;
}

} // namespace

CodePanel::CodePanel(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("code"));
    setTextFormat(Qt::RichText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setMargin(4);
    // As wide as the panels, whatever its longest line: the walk's words wrap within that width.
    QSizePolicy fill(QSizePolicy::Ignored, QSizePolicy::Preferred);
    fill.setHeightForWidth(true);
    setSizePolicy(fill);
    QFont own = font();
    own.setPixelSize(beside::CodePixels);
    setFont(own);
}

int CodePanel::widthAt(int pixels) const {
    // The panel is placed after every event of a run: each size is measured once.
    if (const auto known = widths.find(pixels); known != widths.end())
        return known->second;
    // As wide as the widest of the algorithms' codes, so that choosing another keeps the panel.
    int widest = 0;
    for (int algorithm = 0; algorithm < static_cast<int>(AlgorithmNames.size()); ++algorithm)
        for (std::string_view line : codeLinesOf(static_cast<Algorithm>(algorithm)))
            widest = std::max(widest, QFontMetrics(codeFont(pixels)).horizontalAdvance(
                                          QStringLiteral("→ ") + toQString(line)));
    return widths[pixels] = widest + 2 * margin() + 2 * frameWidth() + 8;
}

void CodePanel::setType(int pixels, int width) {
    // Lines wider than the width at this type are kept whole, and the panel scrolls sideways.
    setMinimumWidth(widthAt(pixels) > width ? widthAt(pixels) : 0);
    if (font().pixelSize() == pixels)
        return;
    QFont fitted = font();
    fitted.setPixelSize(pixels);
    setFont(fitted);
}

std::optional<int> CodePanel::litLineTop() const {
    if (lit.empty())
        return std::nullopt;
    return margin() + frameWidth() +
           *std::ranges::min_element(lit) * QFontMetrics(codeFont(font().pixelSize())).lineSpacing();
}

// No accessible name: a screen reader reads a label's text only where the label has none.
void CodePanel::showCode(const CodeShown& code) {
    // A lit line is marked by an arrow as well as its colour, for those who cannot tell colours.
    lit = code.lit;
    QString html = QStringLiteral("<div style=\"font-family: 'Liberation Mono', monospace\">");
    const std::span<const std::string_view> lines = code.lines();
    for (std::size_t line = 0; line < lines.size(); ++line) {
        const bool lit = std::ranges::count(code.lit, static_cast<int>(line)) > 0;
        const QString text = toQString(lines[line]).toHtmlEscaped();
        html += lit ? QStringLiteral("<p style='margin:0; white-space:pre; "
                                     "background-color:%1'><b>→ %2</b></p>")
                          .arg(toQColor(LitLine).name(), text)
                    : QStringLiteral("<p style='margin:0; white-space:pre'>  %1</p>").arg(text);
    }
    html += QStringLiteral("</div>");
    if (html != text())
        setText(html);
}

QString CodePanel::wordsOf(const CodeShown& code) {
    QString html;
    for (const std::string& words : code.words)
        html += QStringLiteral("<p style='margin:4px 0 0 0'>%1</p>")
                    .arg(toQString(words).toHtmlEscaped());
    return html;
}

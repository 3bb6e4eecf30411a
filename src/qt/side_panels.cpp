#include "qt/side_panels.h"

#include "form/layout.h"
#include "qt/units.h"
#include "teach/session/arrangement.h"

#include <QCloseEvent>
#include <QLabel>
#include <QScrollBar>

SidePanels::ToolWindow::ToolWindow(QWidget* owner, const QList<QAction*>& keys,
                                   std::function<void()> closed)
    : QWidget(owner, Qt::Tool), layout(this), closed(std::move(closed)) {
    layout.setContentsMargins(0, 0, 0, 0);
    addActions(keys);
    // Shown while the student steps from the drawing: the focus stays there.
    setAttribute(Qt::WA_ShowWithoutActivating);
}

void SidePanels::ToolWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    closed();
}

SidePanels::SidePanels(QWidget& client, QLabel& sentence, std::function<void()> closed)
    : client(client), sentence(sentence), closed(std::move(closed)), holder(&client),
      holderLayout(&holder), compared(&holder), list(&holder), codeScroll(&holder), code(&holder), codeWords(&holder),
      cost(&holder) {
    holderLayout.setContentsMargins(0, 0, 0, 0);
    holderLayout.addWidget(&compared, 1);
    holderLayout.addWidget(&list, 1);
    codeScroll.setWidget(&code);
    codeScroll.setWidgetResizable(true);
    codeScroll.setFrameShape(QFrame::NoFrame);
    codeScroll.setFocusPolicy(Qt::NoFocus);
    codeScroll.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    holderLayout.addWidget(&codeScroll);
    codeWords.setObjectName(QStringLiteral("codeWords"));
    codeWords.setWordWrap(true);
    codeWords.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    codeWords.setBackgroundRole(QPalette::Base);
    codeWords.setAutoFillBackground(true);
    codeWords.setMargin(4);
    codeWords.setFont(code.font());
    holderLayout.addWidget(&codeWords);
    holderLayout.addWidget(&cost, 1);
    holder.hide();
    pace.setSingleShot(true);
    pace.setInterval(100);
    QObject::connect(&pace, &QTimer::timeout, &pace, [this] {
        if (pending)
            showPanels(*std::exchange(pending, std::nullopt));
    });
}

namespace {

QRect toQRect(const Box& box) {
    return {box.left, box.top, box.width, box.height};
}

} // namespace

Arrangement SidePanels::place(const ShownScreen& screen) {
    const Room room{client.width(),
                    client.height(),
                    beside::LeastPixels,
                    screen.tellsEachStep,
                    screen.pointList.has_value(),
                    screen.code.has_value(),
                    screen.cost.has_value(),
                    screen.timeline.has_value(),
                    screen.compared.has_value()};
    const int width = beside::widthIn(client.width());
    const bool listed = room.pointList || room.code || room.cost || room.compared;
    if (room.code)
        code.setType(arrange(room).codePixels, width > 0 ? width : panelsWidth());
    if (listed) {
        compared.setVisible(room.compared);
        list.setVisible(room.pointList);
        codeScroll.setVisible(room.code);
        codeWords.setVisible(room.code);
        cost.setVisible(room.cost);
        // Only a run going on is paced; a step stepped, or the last one, is listed at once.
        if (pace.isActive() && screen.running)
            pending = screen;
        else
            showPanels(screen);
    }
    const Arrangement arranged =
        arrange(room, {room.told && width > 0 ? sentence.heightForWidth(width) : 0,
                       room.code ? codeHeightFor(width) : 0});
    sentence.setGeometry(toQRect(arranged.sentence));
    sentence.setVisible(!arranged.sentence.empty());
    if (!listed) {
        holder.hide();
        if (toolWindow)
            toolWindow->hide();
    } else if (arranged.beside) {
        placeBeside(arranged);
    } else {
        placeApart((room.pointList ? 1 : 0) | (room.code ? 2 : 0) | (room.cost ? 4 : 0) | (room.compared ? 8 : 0) |
                   (screen.code ? static_cast<int>(screen.code->algorithm) << 4 : 0));
    }
    return arranged;
}

// Each panel in its own box of the column; the code scrolls where its box is shorter than its
// lines, the walk's words kept whole under it.
void SidePanels::placeBeside(const Arrangement& arranged) {
    if (holder.parentWidget() != &client) {
        holder.setParent(&client);
        toolWindow->hide();
    }
    holderLayout.setEnabled(false);
    const QRect column = QRect(toQRect(arranged.pointList))
                             .united(toQRect(arranged.code))
                             .united(toQRect(arranged.cost))
                             .united(toQRect(arranged.compared));
    holder.setGeometry(column);
    const QPoint origin = column.topLeft();
    compared.setGeometry(toQRect(arranged.compared).translated(-origin));
    compared.placeParts(toQRect(arranged.comparedPicture).translated(-toQRect(arranged.compared).topLeft()));
    list.setGeometry(toQRect(arranged.pointList).translated(-origin));
    cost.setGeometry(toQRect(arranged.cost).translated(-origin));
    const QRect codeBox = toQRect(arranged.code).translated(-origin);
    const int wordsHeight = codeWords.heightForWidth(codeBox.width());
    const int codeHeight = std::max(codeBox.height() - wordsHeight, codeBox.height() / 2);
    codeScroll.setMinimumHeight(0);
    codeScroll.setMaximumHeight(QWIDGETSIZE_MAX);
    codeScroll.setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    codeScroll.setGeometry(codeBox.x(), codeBox.y(), codeBox.width(), codeHeight);
    codeWords.setGeometry(codeBox.x(), codeBox.y() + codeHeight, codeBox.width(),
                          codeBox.height() - codeHeight);
    keepLitLineInView();
    holder.show();
}

// In a tool window over the instructions column, laid out by its own layout.
// Sized again only when it comes or its panels change: measuring them each tick would slow a
// fast run.
void SidePanels::placeApart(int panels) {
    if (!toolWindow)
        toolWindow = std::make_unique<ToolWindow>(client.window(), keys, closed);
    const bool moved = holder.parentWidget() != toolWindow.get();
    if (!moved && panels == apartPanels && toolWindow->isVisible())
        return;
    apartPanels = panels;
    toolWindow->setWindowTitle(QStringLiteral("Panels"));
    if (moved)
        toolWindow->hold(holder);
    holderLayout.setEnabled(true);
    compared.layout()->setEnabled(true);
    codeScroll.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    codeScroll.setFixedHeight(codeHeightFor(codeScroll.width()) - codeWords.heightForWidth(codeScroll.width()));
    holder.show();
    toolWindow->show();
    // Placed when it comes, and widened where a panel turned on needs more room.
    if (moved)
        placeToolWindow();
    else if (toolWindow->width() < panelsWidth())
        toolWindow->resize(panelsWidth(), toolWindow->height());
}

// Its frame over the instructions column, from the top of the drawing to its bottom, as wide as
// its panels need.
void SidePanels::placeToolWindow() {
    const int height = pixelsOf(layout::Pichull.height, client);
    const int frame = toolWindow->frameGeometry().height() - toolWindow->height();
    toolWindow->move(client.mapToGlobal(
        QPoint(pixelsOf(layout::Lbltext.left, client), pixelsOf(layout::Pichull.top, client))));
    toolWindow->resize(panelsWidth(), height - frame);
}

int SidePanels::panelsWidth() const {
    return std::max({pixelsOf(layout::Lbltext.width, client), list.naturalWidth(),
                     codeScroll.isVisibleTo(&holder) ? code.naturalWidth() : 0});
}

void SidePanels::showPanels(const ShownScreen& screen) {
    if (screen.compared)
        compared.showCompared(*screen.compared);
    if (screen.pointList)
        list.showRows(*screen.pointList);
    if (screen.code) {
        code.showCode(*screen.code);
        if (const QString words = CodePanel::wordsOf(*screen.code); words != codeWords.text())
            codeWords.setText(words);
        keepLitLineInView();
    }
    if (screen.cost)
        cost.showCosts(screen.cost->curves);
    pace.start();
}

// The code whole in this width, with room for the bar that scrolls it sideways, and the walk's
// words wrapped under it.
int SidePanels::codeHeightFor(int width) const {
    const bool sideways = code.minimumWidth() > width;
    return code.heightForWidth(std::max(width, code.minimumWidth())) +
           (sideways ? codeScroll.horizontalScrollBar()->sizeHint().height() : 0) +
           codeWords.heightForWidth(width);
}

void SidePanels::keepLitLineInView() {
    if (const std::optional<int> lit = code.litLineTop())
        codeScroll.ensureVisible(0, *lit, 0, 2 * code.fontMetrics().lineSpacing());
}

void SidePanels::focusPointList() {
    if (toolWindow && toolWindow->isVisible())
        toolWindow->activateWindow();
    list.setFocus();
}

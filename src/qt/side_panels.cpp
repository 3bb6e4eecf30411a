#include "qt/side_panels.h"

#include "form/layout.h"
#include "qt/units.h"
#include "teach/pictures/beside.h"

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
      holderLayout(&holder), list(&holder), codeScroll(&holder), code(&holder), codeWords(&holder),
      cost(&holder) {
    holderLayout.setContentsMargins(0, 0, 0, 0);
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

void SidePanels::place(const ShownScreen& screen, int footHeight) {
    const int width = beside::widthIn(client.width());
    const int height = beside::Height - footHeight;
    const bool listed = screen.pointList || screen.code || screen.cost;
    const bool told = width > 0 && screen.tellsEachStep;
    // With panels under it, the sentence takes the lines it needs, up to a third of the height.
    const int sentenceHeight =
        listed ? std::min(sentence.heightForWidth(width), height / 3) : height;
    sentence.setGeometry(beside::Left, beside::Top, width, sentenceHeight);
    sentence.setVisible(told);
    if (!listed) {
        holder.hide();
        if (toolWindow)
            toolWindow->hide();
        return;
    }
    list.setVisible(screen.pointList.has_value());
    codeScroll.setVisible(screen.code.has_value());
    codeWords.setVisible(screen.code.has_value());
    cost.setVisible(screen.cost.has_value());
    // Only a run going on is paced; a step stepped, or the last one, is listed at once.
    if (pace.isActive() && screen.running)
        pending = screen;
    else
        showPanels(screen);
    if (width > 0) {
        if (holder.parentWidget() != &client) {
            holder.setParent(&client);
            toolWindow->hide();
        }
        const int top = beside::Top + (told ? sentenceHeight + beside::Gap : 0);
        holder.setGeometry(beside::Left, top, width, beside::Top + height - top);
        code.fitTo(width);
        fitCodeHeight();
        holder.show();
    } else {
        if (!toolWindow)
            toolWindow = std::make_unique<ToolWindow>(client.window(), keys, closed);
        toolWindow->setWindowTitle(QStringLiteral("Panels"));
        const bool moved = holder.parentWidget() != toolWindow.get();
        toolWindow->hold(holder);
        code.fitTo(panelsWidth());
        fitCodeHeight();
        holder.show();
        toolWindow->show();
        // Placed when it comes, and widened where a panel turned on needs more room.
        if (moved)
            placeToolWindow();
        else if (toolWindow->width() < panelsWidth())
            toolWindow->resize(panelsWidth(), toolWindow->height());
    }
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
    if (screen.pointList)
        list.showRows(*screen.pointList);
    if (screen.code) {
        code.showCode(*screen.code);
        if (const QString words = CodePanel::wordsOf(*screen.code); words != codeWords.text())
            codeWords.setText(words);
        fitCodeHeight();
    }
    if (screen.cost)
        cost.showCosts(screen.cost->curves);
    pace.start();
}

// The code whole in height, its words wrapped at the width it takes, with room for the bar that
// scrolls it sideways.
void SidePanels::fitCodeHeight() {
    const int width = std::max(codeScroll.width(), code.minimumWidth());
    const bool sideways = code.minimumWidth() > codeScroll.width();
    codeScroll.setFixedHeight(
        code.heightForWidth(width) +
        (sideways ? codeScroll.horizontalScrollBar()->sizeHint().height() : 0));
}

void SidePanels::focusPointList() {
    if (toolWindow && toolWindow->isVisible())
        toolWindow->activateWindow();
    list.setFocus();
}

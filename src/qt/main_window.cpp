#include "qt/main_window.h"

#include "qt/units.h"
#include "teach/session/arrangement.h"
#include "teach/session/help.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>

namespace {

// Screen readers announce a top-level window as a frame and a drawing surface as a canvas; Qt
// offers the window, a plain widget, as a filler and the surface, a QFrame, as a frame.
QAccessibleInterface* accessibleRole(const QString&, QObject* object) {
    if (auto* window = dynamic_cast<MainWindow*>(object))
        return new QAccessibleWidget(window, QAccessible::Window);
    if (auto* surface = dynamic_cast<PictureBox*>(object))
        return new QAccessibleWidget(surface, QAccessible::Canvas);
    if (auto* notice = dynamic_cast<SpokenNotice*>(object))
        return new QAccessibleWidget(notice, QAccessible::Notification);
    if (auto* speed = dynamic_cast<SpeedBar*>(object))
        return new SpeedBarAccessible(speed);
    if (auto* timeline = dynamic_cast<Timeline*>(object))
        return new TimelineAccessible(timeline);
    return nullptr;
}

} // namespace

MainWindow::MainWindow(Modhull& points, QtDesktop& desktop)
    : desktop(desktop), client(this), speedBar(&client), stepTimer(this), endButton(&client),
      resetButton(&client), startButton(&client), drawingArea(&client), slowLabel(&client),
      fastLabel(&client), speedHeading(&client), notesText(&client), notesHeading(&client),
      instructionsText(&client), instructionsHeading(&client), countBox(&client),
      countLabel(&client), besideText(&client), notice(this),
      display(*statusBar(), besideText, drawingArea, notice),
      core(points, FaceServices{drawingArea, stepTimer, desktop}, display),
      tools(*this, core, drawingArea),
      commandMenus(*menuBar(), [this](Command chosen) { command(chosen); }),
      panels(client, besideText, [this] { closePanels(); }),
      timeline(
          &client, [this](int step) { core.scrubTo(step); },
          [this](int direction) { core.scrubByTest(direction); }) {
    QAccessible::installFactory(accessibleRole);
    setCentralWidget(&client);
    buildLayout();
    // The restored window keeps its client area; the menus and the status line come on top.
    resize(pixelsOf(layout::RestoredWidth, *this), pixelsOf(layout::RestoredHeight, *this) +
                                                       menuBar()->sizeHint().height() +
                                                       statusBar()->sizeHint().height());
    wireEvents();
    core.afterEachEvent([this] {
        const ShownScreen shown = core.screen(twipsPerPixel(drawingArea));
        showControls(shown.controls);
        commandMenus.refresh(shown.commands);
        display.show(shown);
        timeline.follow(shown.timeline);
        placePanels(shown);
    });
    commandMenus.refresh(core.commands());
    desktop.setWindow(this, &drawingArea);
    desktop.waitBeforeAsking([this] { return notice.millisecondsUntilQuestion(); });
    countLabel.setBuddy(&countBox);
    panels.takeKeysOf(commandMenus.all());
}

namespace {

QFont toQFont(const FontStyle& style) {
    QFont font(toQString(style.face));
    font.setPointSizeF(style.points);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    return font;
}

} // namespace

void MainWindow::place(QWidget& control, const ControlLayout& entry) {
    control.setObjectName(toQString(entry.name));
    control.setGeometry(pixelsOf(entry.left, *this), pixelsOf(entry.top, *this),
                        pixelsOf(entry.width, *this), pixelsOf(entry.height, *this));
    if (!entry.font.face.empty())
        control.setFont(toQFont(entry.font));
    // Labels and buttons are read out by their own text.
    if (!entry.accessibleName.empty())
        control.setAccessibleName(toQString(entry.accessibleName));
    if (auto* label = qobject_cast<QLabel*>(&control)) {
        label->setText(toQString(entry.caption));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
    }
    if (auto* button = qobject_cast<QPushButton*>(&control)) {
        button->setText(toQString(entry.caption));
        // The whole face in the button's colour, with a raised edge that sinks while pressed. The
        // style's own focus frame would tint the face; the button draws a mark of its own.
        button->setStyleSheet(
            QStringLiteral("QPushButton { background-color: %1; border: 2px outset %1; "
                           "outline: none; }"
                           "QPushButton:pressed { border-style: inset; }")
                .arg(toQColor(*entry.color).name()));
    }
}

void MainWindow::buildLayout() {
    setWindowTitle(QString::fromStdString(Title));
    QPalette windowPalette = client.palette();
    windowPalette.setColor(QPalette::Window, toQColor(layout::WindowColor));
    client.setPalette(windowPalette);
    client.setAutoFillBackground(true);
    client.setFont(toQFont(layout::WindowFont));

    const std::pair<QWidget*, const ControlLayout*> controls[] = {
        {&speedBar, &layout::Hsbspeed},        {&endButton, &layout::Cmdend},
        {&resetButton, &layout::Cmdreset},     {&startButton, &layout::Cmdstart},
        {&drawingArea, &layout::Pichull},      {&slowLabel, &layout::Lblslow},
        {&fastLabel, &layout::Lblfast},        {&speedHeading, &layout::Lblspeed},
        {&notesText, &layout::Lblnote},        {&notesHeading, &layout::Lblnotes},
        {&instructionsText, &layout::Lbltext}, {&instructionsHeading, &layout::Lblinstr},
        {&countBox, &layout::Lblcount},        {&countLabel, &layout::Lblnumber}};
    for (auto [control, entry] : controls)
        place(*control, *entry);

    speedBar.setRange(layout::SpeedMinimum, layout::SpeedMaximum);
    speedBar.setSingleStep(layout::SpeedSmallStep);
    speedBar.setPageStep(layout::SpeedLargeStep);
    speedBar.setValue(layout::SpeedMinimum);
    // Only a finished move changes the speed, not every position while the thumb is dragged.
    speedBar.setTracking(false);
    speedBar.setFocusPolicy(Qt::StrongFocus);

    // The count is the one opaque label: a white box with a thin border, its text centred.
    countBox.setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    countBox.setFrameStyle(QFrame::Box | QFrame::Plain);
    countBox.setLineWidth(1);
    QPalette countPalette = countBox.palette();
    countPalette.setColor(QPalette::Window, toQColor(*layout::Lblcount.color));
    countBox.setPalette(countPalette);
    countBox.setAutoFillBackground(true);

    // The sentence beside the drawing, and the status line, read from the back of a room.
    QFont large = besideText.font();
    large.setPixelSize(beside::FontPixels);
    besideText.setFont(large);
    besideText.setWordWrap(true);
    besideText.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    besideText.hide();
    QFont status = statusBar()->font();
    status.setPointSizeF(status.pointSizeF() * 1.25);
    statusBar()->setFont(status);
    // The status bar takes its height from its font only when it lays itself out again, which
    // setting its size grip anew makes it do; the restored window's size adds that height.
    statusBar()->setSizeGripEnabled(false);
    statusBar()->setSizeGripEnabled(true);

    setTabOrder(&drawingArea, &startButton);
    setTabOrder(&startButton, &resetButton);
    setTabOrder(&resetButton, &endButton);
    setTabOrder(&endButton, &speedBar);
    setTabOrder(&speedBar, &timeline);
    setTabOrder(&timeline, &panels.pointList());
    drawingArea.setFocus();
}

void MainWindow::wireEvents() {
    connect(&startButton, &QPushButton::clicked, this, [this] {
        // Disabling the surface, START and RESET would pass the focus on to END.
        speedBar.setFocus();
        core.pressStart();
        focusAfterRun();
    });
    connect(&resetButton, &QPushButton::clicked, this, [this] { core.pressReset(); });
    connect(&endButton, &QPushButton::clicked, this, [this] { core.pressEnd(); });
    connect(&speedBar, &QScrollBar::valueChanged, this,
            [this](int position) { core.setSpeed(position); });
    connect(&stepTimer, &QTimer::timeout, this, [this] {
        core.tick();
        focusAfterRun();
    });
    drawingArea.onMouseDown([this](int button, int shift, float x, float y) {
        return core.press(button, shift, x, y);
    });
    drawingArea.onMouseHeld([this](float x, float y) { core.drag(x, y); },
                            [this](float x, float y) { core.release(x, y); });
    drawingArea.onHover([this](float x, float y) { return core.dotToMove(x, y) != 0; });
}

// A run command that sets a run going disables RESET, which would pass its focus on to END: during
// a run the focus is on the speed bar.
void MainWindow::command(Command chosen) {
    if (!core.isEnabled(chosen))
        return;
    if (entryOf(chosen).byFace)
        return carryOut(chosen);
    core.perform(chosen);
    // Never left on RESET, where a stray Space gives the run up: a panel closed while it had the
    // focus passes it on down the chain, to RESET.
    if (resetButton.hasFocus())
        speedBar.setFocus();
    // A list just opened is read from its first row.
    if (chosen == Command::ShowPointList && core.listsThePoints())
        return panels.focusPointList();
    focusAfterRun();
}

// The window's own dialogs and boxes. New points leave the focus on the drawing, away from END.
void MainWindow::carryOut(Command chosen) {
    switch (chosen) {
    case Command::OpenPoints:
        tools.chooseFileToOpen();
        return focusAfterRun();
    case Command::OpenLessonLink:
        tools.chooseLinkToOpen();
        return focusAfterRun();
    case Command::CopyLink:
        return tools.copyLink();
    case Command::SavePointsAs:
        return tools.chooseFileToSave();
    case Command::ExportPicture:
        return tools.chooseExport();
    case Command::RandomPoints:
        tools.chooseRandomPoints();
        return focusAfterRun();
    case Command::AddPoint:
        tools.chooseAddPoint();
        return focusAfterRun();
    case Command::KeyboardAndMouse:
        return showHelp();
    case Command::WhatTheMarksMean:
        return showMarks();
    case Command::About:
        return showAbout();
    default:
        break;
    }
}

// Closing the tool window turns off the panels it holds.
void MainWindow::closePanels() {
    if (core.listsThePoints())
        command(Command::ShowPointList);
    if (core.showsTheCode())
        command(Command::ShowTheCode);
    if (core.showsTheCost())
        command(Command::ShowCostOfRun);
}

// While a run goes on or is paused the focus stays where it is. Once it is over and the question
// answered, the focus goes where the user goes next: the surface after Yes, and after No the speed
// bar, where a stray Enter or Space loses nothing.
void MainWindow::focusAfterRun() {
    if (stepTimer.isActive() || core.isPaused() || core.hasEnded())
        return;
    if (drawingArea.isEnabled())
        drawingArea.setFocus();
    else
        speedBar.setFocus();
}

void MainWindow::showHelp() {
    QMessageBox::information(this, QString::fromStdString(Title),
                             QString::fromStdString(keyboardAndMouseHelp()));
}

// Each mark named in its own colour, then the idea of the algorithm.
void MainWindow::showMarks() {
    QString text = QStringLiteral("<p>With View &gt; Show Each Step, each step is marked over the "
                                  "drawing:</p><table cellspacing=\"6\">");
    for (const MarkMeaning& entry : marksLegend())
        text +=
            QStringLiteral("<tr><td><b style=\"color:%1\">%2</b></td><td>%3</td></tr>")
                .arg(toQColor(entry.color).name(), toQString(entry.mark), toQString(entry.meaning));
    text += QStringLiteral("</table><p>") + QString::fromStdString(algorithmIdea()) +
            QStringLiteral("</p>");
    QMessageBox box(QMessageBox::Information, QStringLiteral("What the Marks Mean"), text,
                    QMessageBox::Ok, this);
    box.setTextFormat(Qt::RichText);
    box.exec();
}

void MainWindow::showAbout() {
    QMessageBox::about(this, QStringLiteral("About Convex Hull"),
                       QString::fromStdString(aboutText(HULL_VERSION)));
}

void MainWindow::load() {
    core.load();
}

void MainWindow::setSpeed(int milliseconds) {
    speedBar.setDelay(milliseconds);
}

// The panels, the sentence and the timeline where the arrangement for the client's size has them.
void MainWindow::placePanels(const ShownScreen& shown) {
    const Arrangement arranged = panels.place(shown);
    if (!arranged.timeline.empty())
        timeline.setGeometry(arranged.timeline.left, arranged.timeline.top, arranged.timeline.width,
                             arranged.timeline.height);
}

void MainWindow::showControls(const ControlsShown& shown) {
    startButton.setEnabled(shown.startEnabled);
    // The default-button look only: outside a dialog Qt does not press it on Enter.
    startButton.setDefault(shown.startDefault);
    resetButton.setEnabled(shown.resetEnabled);
    countBox.setCaption(shown.count);
    instructionsText.setCaption(shown.text);
    notesText.setCaption(shown.note);
}

void MainWindow::openPoints(const QString& path) {
    tools.openPoints(path);
}

// The status line tells the run: a menu item passed over must not blank it with its status tip.
bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip)
        return true;
    return QMainWindow::event(event);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    placePanels(core.screen(twipsPerPixel(drawingArea)));
}

// Closing the window ends the program at once, whatever it is doing.
void MainWindow::closeEvent(QCloseEvent* event) {
    stepTimer.stop();
    core.close();
    event->accept();
}

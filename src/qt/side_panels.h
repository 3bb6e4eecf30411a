#pragma once

#include "qt/code_panel.h"
#include "qt/compared_panel.h"
#include "qt/cost_panel.h"
#include "qt/point_list_panel.h"
#include "teach/session/arrangement.h"
#include "teach/session/screen.h"

#include <QLabel>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

// The room right of the controls: the step's sentence in large type, and under it the panels
// that follow the run (the compared drawing, the point list, the code, the cost). Where the window is too narrow, the
// panels go to a small tool window over the instructions column, never over the drawing.
class SidePanels {
  public:
    // `closed` is called when the user closes the tool window, to turn its panels off.
    SidePanels(QWidget& client, QLabel& sentence, std::function<void()> closed);

    // Places the sentence and the panels as the screen's description and the client's size have
    // them now; returns the arrangement, for the timeline to stand where it says.
    Arrangement place(const ShownScreen& screen);
    // Gives the point list the keyboard focus, in whichever window holds it.
    void focusPointList();
    // The window's menu commands, so that their keys act from the tool window too.
    void takeKeysOf(const QList<QAction*>& actions) { keys = actions; }

    PointListPanel& pointList() { return list; }
    CodePanel& codePanel() { return code; }
    QLabel& codeWordsPanel() { return codeWords; }
    CostPanel& costPanel() { return cost; }
    ComparedPanel& comparedPanel() { return compared; }
    // The tool window, once a narrow window has needed it.
    QWidget* window() { return toolWindow.get(); }

  private:
    class ToolWindow : public QWidget {
      public:
        ToolWindow(QWidget* owner, const QList<QAction*>& keys, std::function<void()> closed);
        void hold(QWidget& panels) { layout.addWidget(&panels); }

      protected:
        void closeEvent(QCloseEvent* event) override;

      private:
        QVBoxLayout layout;
        std::function<void()> closed;
    };

    void showPanels(const ShownScreen& screen);
    void placeBeside(const Arrangement& arranged);
    // `panels` tells which are shown, and whose code.
    void placeApart(int panels);
    void placeToolWindow();
    int codeHeightFor(int width) const;
    void keepLitLineInView();
    // As wide as the list's columns and the code's lines need, and no narrower than the
    // instructions column.
    int panelsWidth() const;

    QWidget& client;
    QLabel& sentence;
    std::function<void()> closed;
    QList<QAction*> keys;
    // Made when first needed: a tool window that exists, even hidden, is one more top-level
    // window for the platform to keep.
    std::unique_ptr<ToolWindow> toolWindow;
    int apartPanels = -1;
    QWidget holder;
    QVBoxLayout holderLayout;
    ComparedPanel compared;
    PointListPanel list;
    // The code scrolls sideways where the panels are narrower than its lines at its least type.
    // Made before the code, so that the code leaves it before it goes and is not deleted twice.
    QScrollArea codeScroll;
    CodePanel code;
    QLabel codeWords;
    CostPanel cost;
    // A fast run changes the list every millisecond: it is shown anew at most ten times a second.
    QTimer pace;
    std::optional<ShownScreen> pending;
};

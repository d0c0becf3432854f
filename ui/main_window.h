#pragma once

#include <array>
#include <memory>
#include <optional>

#include <QMainWindow>

#include "app/form.h"
#include "ui/menu_tree.h"
#include "ui/qt_host.h"

namespace fendrel {

class Canvas;
class VectorLabel;
class ViewMenu;

// The program's one window. Every event goes to the form; afterwards the whole window is
// rendered again from the form's state.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow();
    ~MainWindow() override;

    const FormState& state() const { return form_.state(); }

private:
    void render();

    QtHost host_;
    Form form_;
    Canvas* canvas_;
    std::array<VectorLabel*, 3> labels_{};
    MenuTree menus_;
    std::optional<std::array<Vec, 3>> stackingShown_;
    std::unique_ptr<ViewMenu> view_;
};

}  // namespace fendrel

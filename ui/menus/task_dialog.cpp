// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/menus/task_dialog.h"

#include <algorithm>
#include <vector>

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/task_authoring.h"
#include "model/angles.h"
#include "model/captions.h"
#include "model/translation.h"
#include "ui/base/qt_text.h"

namespace fendrel {

namespace {

constexpr double kLargest = 1e15;      // the display format's exponent form begins here
constexpr double kDefault = -0.01;     // a tolerance box's value that stands for the default

QDoubleSpinBox* numberBox(QWidget& parent, double low, double high) {
    auto* box = new QDoubleSpinBox(&parent);
    box->setDecimals(2);
    box->setRange(low, high);
    return box;
}

// A tolerance's box: "default" below 0.
QDoubleSpinBox* toleranceBox(QWidget& parent, double high) {
    QDoubleSpinBox* box = numberBox(parent, kDefault, high);
    box->setSingleStep(0.01);
    // TRANSLATORS: a tolerance left to the default: 1 % of the goal's magnitude (at least
    // 0.01), or 1°.
    box->setSpecialValueText(toQString(_("default")));
    return box;
}

void showTolerance(QDoubleSpinBox& box, const std::optional<double>& tolerance) { box.setValue(tolerance.value_or(kDefault)); }
std::optional<double> toleranceOf(const QDoubleSpinBox& box) {
    return box.value() == box.minimum() ? std::nullopt : std::optional(box.value());
}

class TaskDialog : public QDialog {
public:
    TaskDialog(QWidget& parent, const FormState& figure, const Task& start);

    Task task() const;

private:
    void showGoal(const Goal& g);
    void follow();

    const FormState& figure_;
    std::vector<PredictedQuantity> askedBefore_;  // the order the task asked its quantities in
    bool radians_ = false;  // the unit of the goal's angle
    QComboBox* kind_;
    QLineEdit* text_;
    QGroupBox* goalGroup_;
    QComboBox* vector_;
    QComboBox* form_;
    QDoubleSpinBox *magnitude_, *angle_, *x_, *y_;
    QDoubleSpinBox *magnitudeTolerance_, *angleTolerance_, *componentTolerance_;
    PerVector<QCheckBox*> movable_{}, hidden_{};
    PerVector<std::array<QCheckBox*, 4>> predict_{};  // by Quantity
    QCheckBox* reveal_;
    QLabel* problem_;
    QDialogButtonBox* buttons_;
};

TaskDialog::TaskDialog(QWidget& parent, const FormState& figure, const Task& start)
    : QDialog(&parent), figure_(figure), askedBefore_(start.predict) {
    setObjectName(QStringLiteral("taskDialog"));
    // TRANSLATORS: the title of the dialog a teacher writes a task in.
    setWindowTitle(toQString(_("Task")));
    auto* column = new QVBoxLayout(this);
    auto* top = new QFormLayout();
    column->addLayout(top);
    kind_ = new QComboBox(this);
    kind_->setObjectName(QStringLiteral("kind"));
    // TRANSLATORS: the two kinds of task: bring a vector to a goal, or type values the window hides.
    kind_->addItems({toQString(_("Reach a goal")), toQString(_("Predict hidden values"))});
    top->addRow(toQString(_("&Kind:")), kind_);
    text_ = new QLineEdit(this);
    text_->setObjectName(QStringLiteral("text"));
    text_->setMaxLength(static_cast<int>(kMaxTaskText));
    // TRANSLATORS: the task's instruction, which the student reads above the figure.
    top->addRow(toQString(_("&Instruction:")), text_);

    goalGroup_ = new QGroupBox(toQString(_("Goal")), this);
    auto* goal = new QFormLayout(goalGroup_);
    vector_ = new QComboBox(goalGroup_);
    vector_->setObjectName(QStringLiteral("vector"));
    for (Vec v : kVectors) vector_->addItem(toQString(letter(v)));
    goal->addRow(toQString(_("&Vector:")), vector_);
    form_ = new QComboBox(goalGroup_);
    form_->setObjectName(QStringLiteral("form"));
    form_->addItems({toQString(_("Magnitude and direction")), toQString(_("Components"))});
    goal->addRow(toQString(_("&Given as:")), form_);
    magnitude_ = numberBox(*goalGroup_, 0.01, kLargest);
    goal->addRow(toQString(_("&Magnitude:")), magnitude_);
    angle_ = numberBox(*goalGroup_, -360, 360);
    goal->addRow(toQString(_("&Direction:")), angle_);
    x_ = numberBox(*goalGroup_, -kLargest, kLargest);
    goal->addRow(QStringLiteral("&x:"), x_);
    y_ = numberBox(*goalGroup_, -kLargest, kLargest);
    goal->addRow(QStringLiteral("&y:"), y_);
    column->addWidget(goalGroup_);

    // TRANSLATORS: how far a value may be from the one wanted and still be right.
    auto* toleranceGroup = new QGroupBox(toQString(_("Tolerance")), this);
    auto* tolerance = new QFormLayout(toleranceGroup);
    magnitudeTolerance_ = toleranceBox(*toleranceGroup, kLargest);
    tolerance->addRow(toQString(_("Of the magnitude:")), magnitudeTolerance_);
    angleTolerance_ = toleranceBox(*toleranceGroup, 180);
    angleTolerance_->setSuffix(toQString(angleUnitSuffix(false)));
    tolerance->addRow(toQString(_("Of the direction:")), angleTolerance_);
    componentTolerance_ = toleranceBox(*toleranceGroup, kLargest);
    tolerance->addRow(toQString(_("Of the components:")), componentTolerance_);
    column->addWidget(toleranceGroup);

    // TRANSLATORS: the vectors of the task: which the student may move, which are hidden, and
    // which values of a hidden vector the student is to predict.
    auto* vectorsGroup = new QGroupBox(toQString(_("Vectors")), this);
    auto* grid = new QGridLayout(vectorsGroup);
    const QString headings[] = {toQString(_("Movable")), toQString(_("Hidden")), toQString(_("Magnitude")),
                                toQString(_("Direction")), QStringLiteral("x"), QStringLiteral("y")};
    grid->addWidget(new QLabel(toQString(_("Predict:")), vectorsGroup), 0, 3, 1, 4);
    for (int c = 0; c < 6; ++c) grid->addWidget(new QLabel(headings[c], vectorsGroup), 1, c + 1);
    for (Vec v : kVectors) {
        const int row = 2 + static_cast<int>(v);
        const QString name = toQString(letter(v));
        grid->addWidget(new QLabel(name, vectorsGroup), row, 0);
        const auto box = [&](int c, const QString& accessible) {
            auto* check = new QCheckBox(vectorsGroup);
            check->setAccessibleName(name + QLatin1Char(' ') + accessible);
            grid->addWidget(check, row, c + 1);
            return check;
        };
        movable_[v] = box(0, headings[0]);
        hidden_[v] = box(1, headings[1]);
        for (int q = 0; q < 4; ++q) predict_[v][static_cast<std::size_t>(q)] = box(2 + q, toQString(_("Predict:")) + QLatin1Char(' ') + headings[2 + q]);
        movable_[v]->setChecked(start.movable[v]);
        hidden_[v]->setChecked(start.hidden[v]);
    }
    for (const PredictedQuantity& p : start.predict) predict_[p.vector][static_cast<std::size_t>(p.quantity)]->setChecked(true);
    column->addWidget(vectorsGroup);
    // TRANSLATORS: whether the student may have the hidden values shown without solving.
    reveal_ = new QCheckBox(toQString(_("The student may &reveal the hidden values")), this);
    reveal_->setObjectName(QStringLiteral("reveal"));
    reveal_->setChecked(start.reveal);
    column->addWidget(reveal_);
    problem_ = new QLabel(this);
    problem_->setObjectName(QStringLiteral("problem"));
    problem_->setTextFormat(Qt::PlainText);
    problem_->setWordWrap(true);
    column->addWidget(problem_);
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    column->addWidget(buttons_);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);

    kind_->setCurrentIndex(start.kind == TaskKind::Reach ? 0 : 1);
    text_->setText(toQString(start.text));
    vector_->setCurrentIndex(static_cast<int>(start.vector));
    form_->setCurrentIndex(start.goal.form == Goal::Form::Polar ? 0 : 1);
    showGoal(start.goal);
    showTolerance(*magnitudeTolerance_, start.tolerance.magnitude);
    showTolerance(*angleTolerance_, start.tolerance.angle);
    showTolerance(*componentTolerance_, start.tolerance.component);
    // Another vector or form takes the figure's values as the goal.
    const auto goalFromFigure = [this] {
        showGoal(goalAsShown(figure_, kVectors[static_cast<std::size_t>(vector_->currentIndex())],
                             form_->currentIndex() == 0 ? Goal::Form::Polar : Goal::Form::Components));
        follow();
    };
    connect(vector_, &QComboBox::currentIndexChanged, this, goalFromFigure);
    connect(form_, &QComboBox::currentIndexChanged, this, goalFromFigure);
    connect(kind_, &QComboBox::currentIndexChanged, this, &TaskDialog::follow);
    connect(text_, &QLineEdit::textChanged, this, &TaskDialog::follow);
    for (QCheckBox* check : findChildren<QCheckBox*>()) connect(check, &QCheckBox::toggled, this, &TaskDialog::follow);
    for (QDoubleSpinBox* box : {magnitude_, angle_, x_, y_, magnitudeTolerance_, angleTolerance_, componentTolerance_})
        connect(box, &QDoubleSpinBox::valueChanged, this, &TaskDialog::follow);
    follow();
}

// The goal's angle stays in its own unit, which a goal taken from the figure has from it.
void TaskDialog::showGoal(const Goal& g) {
    const QSignalBlocker blockMagnitude(magnitude_), blockAngle(angle_), blockX(x_), blockY(y_);
    radians_ = g.radians;
    const double turn = radians_ ? 2 * kPi : 360;
    angle_->setRange(-turn, turn);
    angle_->setSuffix(toQString(angleUnitSuffix(radians_)));
    magnitude_->setValue(g.magnitude);
    angle_->setValue(g.angle);
    x_->setValue(g.components[Axis::X]);
    y_->setValue(g.components[Axis::Y]);
}

// Each choice enables what it governs; OK waits for a task a lesson can carry.
void TaskDialog::follow() {
    const bool reach = kind_->currentIndex() == 0;
    const bool polar = form_->currentIndex() == 0;
    goalGroup_->setEnabled(reach);
    magnitude_->setEnabled(polar);
    angle_->setEnabled(polar);
    x_->setEnabled(!polar);
    y_->setEnabled(!polar);
    for (Vec v : kVectors) {
        const bool hidden = hidden_[v]->isChecked();
        if (hidden) {
            // Quietly: this is the follow-up of the change being followed now.
            const QSignalBlocker quiet(movable_[v]);
            movable_[v]->setChecked(false);
        }
        movable_[v]->setEnabled(!hidden);
        for (QCheckBox* p : predict_[v]) p->setEnabled(!reach && hidden);
    }
    const std::optional<std::string> problem = taskProblem(figure_, task());
    problem_->setText(problem ? toQString(*problem) : QString());
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(!problem);
}

Task TaskDialog::task() const {
    Task t;
    t.kind = kind_->currentIndex() == 0 ? TaskKind::Reach : TaskKind::Predict;
    t.text = text_->text().toStdString();
    if (t.kind == TaskKind::Reach) {
        t.vector = kVectors[static_cast<std::size_t>(vector_->currentIndex())];
        t.goal.form = form_->currentIndex() == 0 ? Goal::Form::Polar : Goal::Form::Components;
        if (t.goal.form == Goal::Form::Polar) {
            t.goal.magnitude = magnitude_->value();
            t.goal.angle = angle_->value();
            t.goal.radians = radians_;
        } else {
            t.goal.components = {{x_->value(), y_->value()}};
        }
    }
    t.tolerance = {toleranceOf(*magnitudeTolerance_), toleranceOf(*angleTolerance_), toleranceOf(*componentTolerance_)};
    std::vector<PredictedQuantity> ticked;
    for (Vec v : kVectors) {
        t.movable[v] = movable_[v]->isChecked();
        t.hidden[v] = hidden_[v]->isChecked();
        for (std::size_t q = 0; q < 4 && t.kind == TaskKind::Predict; ++q)
            if (t.hidden[v] && predict_[v][q]->isChecked()) ticked.push_back({static_cast<Quantity>(q), v});
    }
    // Asked in the order they were asked before, the quantities ticked now after them: a task
    // the teacher leaves as it was stays the same task.
    const auto asked = [](const std::vector<PredictedQuantity>& in, const PredictedQuantity& p) {
        return std::find(in.begin(), in.end(), p) != in.end();
    };
    for (const PredictedQuantity& p : askedBefore_)
        if (asked(ticked, p)) t.predict.push_back(p);
    for (const PredictedQuantity& p : ticked)
        if (!asked(t.predict, p)) t.predict.push_back(p);
    t.reveal = reveal_->isChecked();
    return t;
}

}  // namespace

std::optional<Task> askForTask(QWidget& parent, const FormState& figure, const Task& start) {
    TaskDialog dialog(parent, figure, start);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.task();
}

}  // namespace fendrel

// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "step_view.h"

#include "widgets.h"

#include <QAbstractSlider>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace quimbra {

int StepView::open_ = 0;

StepView::StepView(const FormLayout &layout, QObject *owner) : Form(layout, owner), player_(this)
{
}

StepView::~StepView()
{
    if (counted_)
        --open_;
}

Canvas *StepView::canvas() const
{
    if (!window())
        return nullptr;
    return window()->findChild<Canvas *>();
}

void StepView::cmdFine_Click()
{
    Unload();
}

void StepView::connectControls()
{
    connect(button("cmdFine"), &QPushButton::clicked, this, &StepView::cmdFine_Click);
    StepPlayer::Controls controls;
    controls.step = button("cmdPasso");
    controls.run = button("cmdAvvia");
    controls.toEnd = button("cmdTutto");
    controls.speed = find<QAbstractSlider>("sldVelocita");
    controls.speedText = label("lblVelocita");
    controls.view = canvas();
    player_.attach(controls);
    player_.handleKeysOf(window());
}

void StepView::Form_Load()
{
    // Cascade from the centre, where every window of the program opens.
    const int offset = 32 * (open_ % 6);
    QRect frame = window()->frameGeometry().translated(offset, offset);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        if (!screen->availableGeometry().contains(frame))
            frame = window()->frameGeometry();
    window()->move(frame.topLeft());
    ++open_;
    counted_ = true;
}

void StepView::startRecordedRun(ReplayStepper &stepper, int count)
{
    stepper.reset(count);
    linesShown_ = std::size_t(-1);
    player_.setStepper(&stepper);
}

void StepView::showRecordedLines(const std::vector<std::string> &lines, std::size_t count)
{
    if (count == linesShown_)
        return;
    ListBox *steps = list("lstPassi");
    steps->setLines({lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(count)});
    steps->scrollToBottom();
    linesShown_ = count;
}

void StepView::unloaded()
{
    // The window's controls are going: nothing may update them any more.
    player_.blockSignals(true);
    player_.pause();
    player_.setStepper(nullptr);
    if (counted_) {
        --open_;
        counted_ = false;
    }
    deleteLater();
}

} // namespace quimbra

// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form.h"

#include "widgets.h"
#include "touch.h"
#include "zoom.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

namespace quimbra {

FormWindow::FormWindow(Form &form)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      form_(form)
{
    setAttribute(Qt::WA_DeleteOnClose);
}

void FormWindow::closeEvent(QCloseEvent *event)
{
    // No window can refuse to close or ask anything first.
    event->accept();
    form_.windowClosing();
}

Form::Form(const FormLayout &layout, QObject *parent) : QObject(parent), layout_(layout)
{
    ActivationTracker::instance().add(this);
}

Form::~Form()
{
    ActivationTracker::instance().remove(this);
    delete window_.data();
}

void Form::load()
{
    window_ = new FormWindow(*this);
    buildControls(window_, layout_);
    installZoomKeys(); // once for the program: every window takes the zoom keys
    installLongPress(); // and a touch screen's long press opens a control's menu
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->availableGeometry();
        window_->move(area.center() - window_->rect().center());
        // Zoomed larger than the screen, the window keeps its title bar on it.
        keepOnScreen(window_);
    }
    addHelpKey();
    connectControls();
    Form_Load();
}

namespace {
Form::Help help = nullptr;
Form::Opener classRegister = nullptr;
} // namespace

void Form::setHelp(Help h)
{
    help = h;
}

void Form::setRegister(Opener open)
{
    classRegister = open;
}

void Form::openRegister()
{
    if (classRegister)
        classRegister();
}

void Form::addHelpKey()
{
    auto *guide = new QAction(QStringLiteral("Guida"), window_);
    guide->setObjectName(QStringLiteral("actGuida"));
    guide->setShortcut(Qt::Key_F1);
    guide->setShortcutContext(Qt::WindowShortcut);
    const QString page = QString::fromUtf8(layout_.name);
    connect(guide, &QAction::triggered, this, [page] {
        if (help)
            help(page);
    });
    window_->addAction(guide);
    auto *results = new QAction(QStringLiteral("Registro della classe"), window_);
    results->setObjectName(QStringLiteral("actRegistro"));
    results->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    results->setShortcutContext(Qt::WindowShortcut);
    connect(results, &QAction::triggered, this, [] { openRegister(); });
    window_->addAction(results);
}

void Form::Show()
{
    if (!window_)
        load();
    window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
    fitBeforeOpening(window_);
    // Not show(): in the browser it opens every window full screen, as the
    // platform asks; on the desktop the two do the same.
    window_->setVisible(true);
    window_->raise();
    window_->activateWindow();
    ActivationTracker::instance().shown(this);
}

void Form::Unload()
{
    if (window_)
        window_->close();
}

void Form::windowClosing()
{
    ActivationTracker::instance().closed(this);
    window_ = nullptr; // WA_DeleteOnClose destroys the widget and its controls
    unloaded();
}

QWidget *Form::control(const char *name, int index) const
{
    if (!window_)
        return nullptr;
    const auto all = window_->findChildren<QWidget *>(QString::fromUtf8(name));
    for (QWidget *w : all) {
        const QVariant i = w->property("Index");
        if ((index < 0 && !i.isValid()) || (index >= 0 && i.isValid() && i.toInt() == index))
            return w;
    }
    return nullptr;
}

void Form::missingControl(const char *name, int index, const char *type) const
{
    const QString control = index < 0 ? QString::fromUtf8(name)
                                      : QStringLiteral("%1(%2)").arg(QString::fromUtf8(name)).arg(index);
    qFatal("Quimbra: the window %s has no control %s of type %s", layout_.name,
           qPrintable(control), type);
}

QPushButton *Form::button(const char *name, int index) const
{
    return qobject_cast<QPushButton *>(control(name, index));
}

ListBox *Form::list(const char *name, int index) const
{
    return qobject_cast<ListBox *>(control(name, index));
}

QLineEdit *Form::textBox(const char *name, int index) const
{
    return qobject_cast<QLineEdit *>(control(name, index));
}

QLabel *Form::label(const char *name, int index) const
{
    return qobject_cast<QLabel *>(control(name, index));
}

ActivationTracker &ActivationTracker::instance()
{
    static ActivationTracker tracker;
    return tracker;
}

ActivationTracker::ActivationTracker()
{
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this,
            &ActivationTracker::focusWindowChanged);
}

void ActivationTracker::add(Form *form)
{
    forms_.append(form);
}

void ActivationTracker::remove(Form *form)
{
    rule_.closed(form);
    forms_.removeAll(form);
}

void ActivationTracker::shown(Form *form)
{
    if (rule_.shown(form))
        form->Form_Activate();
}

void ActivationTracker::closed(Form *form)
{
    rule_.closed(form);
}

void ActivationTracker::focusWindowChanged(QWindow *window)
{
    Form *target = nullptr;
    if (window)
        for (Form *form : std::as_const(forms_))
            if (form->window_ && form->window_->windowHandle() == window)
                target = form;
    if (rule_.focusMovedTo(target) && target)
        target->Form_Activate();
}

void Cascade::take(QWidget *window)
{
    const int offset = 32 * (open_ % 6);
    QRect frame = window->frameGeometry().translated(offset, offset);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        if (!screen->availableGeometry().contains(frame))
            frame = window->frameGeometry();
    window->move(frame.topLeft());
    if (!counted_)
        ++open_;
    counted_ = true;
}

void Cascade::leave()
{
    if (counted_)
        --open_;
    counted_ = false;
}

} // namespace quimbra

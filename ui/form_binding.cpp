// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/form_binding.h"

#include "ui/accessible_names.h"
#include "ui/binder.h"
#include "ui/form_view.h"
#include "ui/layouts.h"
#include "ui/picture_widget.h"
#include "ui/result_announcer.h"
#include "ui/result_label.h"
#include "ui/text_positions.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vx::ui {

namespace {

QString toQt(const std::string &text) {
  return QString::fromStdString(text);
}

// Buttons and check boxes would take an ampersand as a shortcut marker.
QString literalCaption(const std::string &caption) {
  return toQt(caption).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

void setToolTipIfChanged(QWidget *widget, const std::string &toolTip) {
  const QString text = toQt(toolTip);
  if (widget->toolTip() != text) {
    widget->setToolTip(text);
  }
}

} // namespace

FormBinding::FormBinding(forms::Form &form, Binder &binder)
    : QObject(&binder), form_(form), binder_(binder) {}

FormBinding::~FormBinding() {
  // A window shown again at once has a new binding by now.
  if (form_.observer() == this) {
    form_.setObserver(nullptr);
  }
  for (auto &[control, widget] : widgets_) {
    binder_.forgetWidget(widget);
    widget->disconnect(this);
  }
  if (view_) {
    binder_.forgetWidget(view_.get());
    view_->hide();
  }
}

QWidget *FormBinding::widgetOf(const forms::Control &control) const {
  const auto found = widgets_.find(&control);
  return found == widgets_.end() ? nullptr : found->second;
}

void FormBinding::show() {
  if (!view_) {
    view_ = std::make_unique<FormView>(form_, binder_);
    binder_.registerWidget(view_.get(), this, nullptr);
    createWidgets();
    if (const LayoutFunction layout = layoutFor(form_.name())) {
      layout(*view_);
    }
    applyTabOrder();
    form_.setObserver(this);
    for (forms::Control *control : form_.controls()) {
      controlChanged(*control);
    }
    showModelFocus();
  }
  view_->show();
  view_->raise();
  view_->activateWindow();
}

void FormBinding::retire() {
  if (view_) {
    view_->hide();
  }
  for (auto &[timer, qtTimer] : timers_) {
    qtTimer->stop();
  }
}

void FormBinding::createWidgets() {
  for (forms::Control *control : form_.controls()) {
    QWidget *widget = nullptr;
    switch (control->kind()) {
    case forms::ControlKind::TextBox: {
      auto &box = forms::as<forms::TextBox>(*control);
      auto *edit = new QLineEdit(view_.get());
      const auto &design = box.design();
      edit->setAlignment(design.centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
      // A locked box takes no typing, and Qt would cut a longer text that
      // the window writes into it.
      if (design.maxLength > 0 && !design.locked) {
        edit->setMaxLength(design.maxLength);
      }
      edit->setReadOnly(design.locked);
      edit->setFrame(!design.borderless);
      connect(edit, &QLineEdit::textEdited, this, [this, &box, edit](const QString &text) {
        if (!syncing_) {
          box.userEdited(text.toStdString(), characterIndex(text, edit->cursorPosition()));
          controlChanged(box);
        }
      });
      connect(edit, &QLineEdit::cursorPositionChanged, this, [this, &box, edit](int, int now) {
        if (!syncing_) {
          box.userMovedCaret(characterIndex(edit->text(), now));
        }
      });
      widget = edit;
      break;
    }
    case forms::ControlKind::Label: {
      auto *label =
          showsResult(form_, *control) ? new ResultLabel(view_.get()) : new QLabel(view_.get());
      label->setTextFormat(Qt::PlainText);
      widget = label;
      break;
    }
    case forms::ControlKind::Button: {
      auto &button = forms::as<forms::Button>(*control);
      auto *push = new QPushButton(view_.get());
      push->setAutoDefault(false);
      connect(push, &QPushButton::clicked, this, [&button] { button.userClicked(); });
      widget = push;
      break;
    }
    case forms::ControlKind::CheckBox: {
      auto &check = forms::as<forms::CheckBox>(*control);
      auto *box = new QCheckBox(literalCaption(check.caption()), view_.get());
      connect(box, &QCheckBox::clicked, this, [this, &check] {
        check.userClicked();
        controlChanged(check);
      });
      widget = box;
      break;
    }
    case forms::ControlKind::Image: {
      auto &image = forms::as<forms::Image>(*control);
      auto *picture = new PictureWidget(view_.get());
      connect(picture, &PictureWidget::activated, this, [&image] { image.userClicked(); });
      widget = picture;
      break;
    }
    case forms::ControlKind::Timer: {
      auto &timer = forms::as<forms::Timer>(*control);
      auto qtTimer = std::make_unique<QTimer>();
      qtTimer->setTimerType(Qt::PreciseTimer);
      connect(qtTimer.get(), &QTimer::timeout, this, [&timer] { timer.expire(); });
      timers_.emplace(&timer, std::move(qtTimer));
      break;
    }
    case forms::ControlKind::Line:
      break;
    }
    if (widget != nullptr) {
      widget->setObjectName(toQt(control->name()));
      makeAccessible(*widget, form_, *control);
      widgets_.emplace(control, widget);
      view_->addWidget(*control, widget);
      binder_.registerWidget(widget, this, control);
    }
  }
}

void FormBinding::applyTabOrder() {
  QWidget *previous = nullptr;
  for (const forms::Control *control : form_.tabOrder()) {
    QWidget *widget = widgetOf(*control);
    if (widget == nullptr || widget->focusPolicy() == Qt::NoFocus) {
      continue;
    }
    if (previous != nullptr) {
      QWidget::setTabOrder(previous, widget);
    }
    previous = widget;
  }
}

void FormBinding::controlChanged(forms::Control &control) {
  if (const auto *timer = forms::as<forms::Timer>(&control)) {
    syncTimer(*timer);
    return;
  }
  QWidget *widget = widgetOf(control);
  if (widget == nullptr) {
    return;
  }
  const bool wasSyncing = syncing_;
  syncing_ = true;
  bool visible = true;
  switch (control.kind()) {
  case forms::ControlKind::TextBox: {
    const auto &box = forms::as<forms::TextBox>(control);
    auto *edit = static_cast<QLineEdit *>(widget);
    const QString text = toQt(box.text());
    if (edit->text() != text) {
      const QString before = edit->text();
      edit->setText(text);
      announceIfResult(control, *edit, before);
    }
    const int position = utf16Position(text, box.selStart());
    if (edit->cursorPosition() != position) {
      edit->setCursorPosition(position);
    }
    setToolTipIfChanged(edit, box.toolTip());
    visible = box.visible();
    break;
  }
  case forms::ControlKind::Label: {
    const auto &label = forms::as<forms::Label>(control);
    auto *qtLabel = static_cast<QLabel *>(widget);
    const QString caption = toQt(label.caption());
    if (qtLabel->text() != caption) {
      const QString before = qtLabel->text();
      qtLabel->setText(caption);
      // The accessible name says what the label is; screen readers read
      // what it shows from the description, and a result's value with its
      // name from its text.
      qtLabel->setAccessibleDescription(caption);
      if (auto *result = qobject_cast<ResultLabel *>(qtLabel)) {
        result->reportChange(before);
        announceIfResult(control, *qtLabel, before);
      }
    }
    setToolTipIfChanged(qtLabel, label.toolTip());
    visible = label.visible();
    break;
  }
  case forms::ControlKind::Button: {
    const auto &button = forms::as<forms::Button>(control);
    auto *push = static_cast<QPushButton *>(widget);
    const QString caption = literalCaption(button.caption());
    if (push->text() != caption) {
      push->setText(caption);
      push->setAccessibleDescription(toQt(button.caption()));
    }
    setToolTipIfChanged(push, button.toolTip());
    visible = button.visible();
    break;
  }
  case forms::ControlKind::CheckBox: {
    const auto &check = forms::as<forms::CheckBox>(control);
    static_cast<QCheckBox *>(widget)->setChecked(check.value() != 0);
    visible = check.visible();
    break;
  }
  case forms::ControlKind::Image: {
    const auto &image = forms::as<forms::Image>(control);
    static_cast<PictureWidget *>(widget)->setPicture(image.picture());
    visible = image.visible();
    break;
  }
  case forms::ControlKind::Timer:
  case forms::ControlKind::Line:
    break;
  }
  if (widget->isVisibleTo(view_.get()) != visible) {
    widget->setVisible(visible);
  }
  syncing_ = wasSyncing;
}

void FormBinding::announceIfResult(const forms::Control &control, QWidget &widget,
                                   const QString &before) {
  // What the window shows as it opens is no news.
  if (!view_->isVisible() || !showsResult(form_, control)) {
    return;
  }
  if (ResultAnnouncer *announcer = view_->announcer()) {
    announcer->changed(widget, accessibleName(form_, control), before);
  }
}

void FormBinding::focusChanged(forms::Control * /*control*/) {
  showModelFocus();
}

void FormBinding::showModelFocus() {
  forms::Control *active = form_.activeControl();
  QWidget *widget = active == nullptr ? nullptr : widgetOf(*active);
  if (widget == nullptr || widget->focusPolicy() == Qt::NoFocus || widget->hasFocus()) {
    return;
  }
  const bool wasSyncing = syncing_;
  syncing_ = true;
  widget->setFocus(Qt::OtherFocusReason);
  syncing_ = wasSyncing;
}

void FormBinding::activated() {
  form_.activated();
  showModelFocus();
}

void FormBinding::focusArrived(forms::Control &control, Qt::FocusReason reason) {
  // On activation Qt restores a focus of its own; the window model's
  // focus is the one that counts, and is shown once the window is active.
  if (syncing_ || reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) {
    return;
  }
  form_.setFocus(control);
}

void FormBinding::syncTimers() {
  for (auto &[timer, qtTimer] : timers_) {
    qtTimer->stop();
    syncTimer(*timer);
  }
}

void FormBinding::syncTimer(const forms::Timer &timer) {
  const auto found = timers_.find(&timer);
  if (found == timers_.end()) {
    return;
  }
  QTimer &qtTimer = *found->second;
  if (!timer.enabled() || timer.interval() <= 0 || !binder_.timersLive()) {
    qtTimer.stop();
    return;
  }
  // Every switch or new interval starts the countdown anew.
  qtTimer.start(timer.interval());
}

} // namespace vx::ui

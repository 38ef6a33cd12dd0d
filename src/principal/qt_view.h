// The view operations on the real window: each control found by its name, each kind answering
// as the control model does.
#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QWidget>
#include <functional>

#include "core/events.h"
#include "core/view.h"

namespace tarnolo {

class TcalcForm1;

class QtView : public View {
 public:
  // Shows a modal notice; returns when it has been closed.
  using NoticePresenter = std::function<void(const std::string& text)>;

  // table runs the radio group's click handler when the program changes its selection; the
  // window, the table and the presenter must outlive the view.
  QtView(TcalcForm1& window, const EventTable& table, NoticePresenter notice);

  // View operations. A name that is no control of the window, or a control of another kind,
  // is a programming error (std::out_of_range).
  std::string text(std::string_view control) const override;
  void setText(std::string_view control, const std::string& text) override;
  void setProgress(std::string_view control, int32_t progress) override;
  int32_t position(std::string_view control) const override;
  void setPosition(std::string_view control, int32_t position) override;
  void setEnabled(std::string_view control, bool enabled) override;
  void setVisible(std::string_view control, bool visible) override;
  int32_t itemIndex(std::string_view control) const override;
  void setClientHeight(int32_t height) override;
  void showNotice(const std::string& text) override;

  // What the tests and the replay compare with the control model.
  int32_t progress(std::string_view control) const;
  bool enabled(std::string_view control) const;
  bool visible(std::string_view control) const;  // the control's own flag, not its parents'
  int32_t clientHeight() const;

 protected:
  bool storeItemIndex(std::string_view control, int32_t index) override;

 private:
  QObject* find(std::string_view control) const;
  void keepFocusInWindow(QWidget& widget);
  template <class T>
  T* find(std::string_view control) const;

  TcalcForm1& m_window;
  NoticePresenter m_notice;
  QHash<QString, QObject*> m_controls;
};

}  // namespace tarnolo

#pragma once
#include <QVariant>
#include <QWidget>

// The lamp control: a round lamp, lit or dark, switched by its boolean property 1 and by nothing
// else.
class CLampWidget : public QWidget {
  Q_OBJECT
public:
  static constexpr int kDispidOn = 1;

  explicit CLampWidget(QWidget *parent = nullptr);

  // Property 1 takes a boolean: true lights the lamp, false darkens it. Other ids are ignored.
  void SetProperty(int dispid, const QVariant &value);
  bool IsLit() const { return m_bLit; }

protected:
  void paintEvent(QPaintEvent *e) override;

private:
  bool m_bLit = false;
};

#pragma once
#include <QPointer>

#include "controls/CLampWidget.h"

class QRect;
class QWidget;

// The panel's handle on a lamp: it switches the lamp on and off and does nothing else.
class CLED {
public:
  // Binds the handle to a lamp that the panel's template created (nullptr or another widget
  // leaves the handle unbound, and SetOn then does nothing).
  void Attach(QWidget *lamp);
  // Creates a lamp of its own in parent at rect; the panel's lamps come from its template.
  void Create(QWidget *parent, const QRect &rect);

  void SetOn(bool on);

private:
  QPointer<CLampWidget> m_pLamp;
};

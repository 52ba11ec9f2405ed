#include "controls/CLED.h"

#include "controls/CLampWidget.h"

void CLED::Attach(QWidget *lamp) {
  m_pLamp = qobject_cast<CLampWidget *>(lamp);
}

void CLED::Create(QWidget *parent, const QRect &rect) {
  m_pLamp = new CLampWidget(parent);
  m_pLamp->setGeometry(rect);
  m_pLamp->show();
}

void CLED::SetOn(bool on) {
  if (m_pLamp)
    m_pLamp->SetLit(on);
}

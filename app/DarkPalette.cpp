#include "app/DarkPalette.h"

QPalette DarkPalette() {
  const QColor face(53, 53, 53);
  const QColor text(230, 230, 230);
  QPalette dark(face);
  dark.setColor(QPalette::Window, face);
  dark.setColor(QPalette::Button, face);
  dark.setColor(QPalette::Base, QColor(35, 35, 35));
  dark.setColor(QPalette::AlternateBase, face);
  dark.setColor(QPalette::ToolTipBase, face);
  for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text,
                    QPalette::ToolTipText, QPalette::BrightText})
    dark.setColor(role, text);
  dark.setColor(QPalette::PlaceholderText, QColor(150, 150, 150));
  dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
  dark.setColor(QPalette::HighlightedText, Qt::black);
  dark.setColor(QPalette::Link, QColor(90, 160, 240));
  for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
    dark.setColor(QPalette::Disabled, role, QColor(127, 127, 127));
  return dark;
}

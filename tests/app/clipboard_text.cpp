// kvir-clipboard-text: prints the text another program has put on the clipboard of the display,
// as it arrives, and exits 0; exits 1 when the clipboard holds no text.

#include <QClipboard>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QByteArray text = QGuiApplication::clipboard()->text().toUtf8();
  std::fwrite(text.data(), 1, static_cast<size_t>(text.size()), stdout);
  return text.isEmpty() ? 1 : 0;
}

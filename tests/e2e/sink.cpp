// The end-to-end tests' focused window: a plain text editor that records what it receives.
//
//   keyloom_sink TEXT_FILE KEYS_FILE [CLIPBOARD_TEXT CLIPBOARD_FILE]
//
// TEXT_FILE always holds the editor's whole text (replaced atomically after each change), so
// typed keys, Backspace and pastes show as a user would see them. KEYS_FILE gets one line per
// key press that reaches the window, named as Qt names the key ("T", "Space", "F9"). With the
// last two arguments the sink puts CLIPBOARD_TEXT on the clipboard at start and writes the
// clipboard's text to CLIPBOARD_FILE whenever another program changes it.
//
// With KEYLOOM_SINK_LOG=FILE in the environment the sink also logs, for the benchmarks, each
// key press ("<us> key <name> <server ms>") and each change of the text ("<us> text
// <length>"), timed in microseconds of the monotonic clock, which other processes share. The
// log is written in batches, a little after the events, so that logging costs no system call
// per event.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// A temporary file renamed over the old one: readers never see half a text. No fsync, which
// would make a long phrase crawl in.
void WriteWhole(const QString& path, const QString& text) {
  const QString temporary = path + QStringLiteral(".new");
  QFile file(temporary);
  if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    file.write(text.toUtf8());
    file.close();
    std::rename(temporary.toLocal8Bit().constData(), path.toLocal8Bit().constData());
  }
}

long long MonotonicMicroseconds() {
  return std::chrono::duration_cast<std::chrono::microseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// Lines kept in memory and written 50 ms after the first of them.
class TimedLog {
 public:
  explicit TimedLog(const QString& path) : file_(path) {
    file_.open(QIODevice::WriteOnly | QIODevice::Truncate);
    flush_.setSingleShot(true);
    flush_.setInterval(50);
    QObject::connect(&flush_, &QTimer::timeout, [this] {
      file_.write(pending_);
      file_.flush();
      pending_.clear();
    });
  }

  void Add(const QByteArray& what) {
    pending_ += QByteArray::number(MonotonicMicroseconds()) + ' ' + what + '\n';
    if (!flush_.isActive()) flush_.start();
  }

 private:
  QFile file_;
  QByteArray pending_;
  QTimer flush_;
};

class KeyRecorder : public QObject {
 public:
  KeyRecorder(const QString& path, TimedLog* log) : file_(path), log_(log) {
    file_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      const auto* key = static_cast<QKeyEvent*>(event);
      const QString name = QKeySequence(key->key()).toString(QKeySequence::PortableText);
      const QByteArray line = (name.isEmpty() ? QStringLiteral("?") : name).toUtf8();
      file_.write(line + "\n");
      if (log_ != nullptr) {
        log_->Add("key " + line + ' ' + QByteArray::number(key->timestamp()));
      }
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QFile file_;
  TimedLog* log_;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 5) {
    std::fprintf(stderr, "usage: %s TEXT_FILE KEYS_FILE [CLIPBOARD_TEXT CLIPBOARD_FILE]\n",
                 argv[0]);
    return 2;
  }
  QApplication app(argc, argv);
  const QString text_file = QString::fromLocal8Bit(argv[1]);
  WriteWhole(text_file, QString());
  std::unique_ptr<TimedLog> log;
  if (const char* log_path = std::getenv("KEYLOOM_SINK_LOG")) {
    log = std::make_unique<TimedLog>(QString::fromLocal8Bit(log_path));
  }

  QPlainTextEdit editor;
  editor.setWindowTitle(QStringLiteral("Keyloom test sink"));
  editor.setTabChangesFocus(false);
  editor.resize(480, 240);
  editor.move(600, 40);
  // One write for all the changes that one pass of the event loop brings.
  bool write_pending = false;
  QObject::connect(&editor, &QPlainTextEdit::textChanged, [&] {
    if (log) log->Add("text " + QByteArray::number(editor.document()->characterCount() - 1));
    if (write_pending) return;
    write_pending = true;
    QTimer::singleShot(0, &editor, [&] {
      write_pending = false;
      WriteWhole(text_file, editor.toPlainText());
    });
  });
  KeyRecorder recorder(QString::fromLocal8Bit(argv[2]), log.get());
  editor.installEventFilter(&recorder);

  QClipboard* clipboard = QApplication::clipboard();
  if (argc == 5) {
    const QString clipboard_file = QString::fromLocal8Bit(argv[4]);
    clipboard->setText(QString::fromUtf8(argv[3]));
    QObject::connect(clipboard, &QClipboard::dataChanged, [=] {
      // The sink's own text at start is no news.
      if (!clipboard->ownsClipboard()) WriteWhole(clipboard_file, clipboard->text());
    });
  }

  editor.show();
  editor.activateWindow();
  editor.setFocus();
  return app.exec();
}

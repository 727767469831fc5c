#include "adapters/qt/QtSettingsStore.h"

#include "adapters/qt/IniText.h"
#include "foundation/LogText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTimer>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tinkella {

namespace {

constexpr const char* readFailed =
    "using default settings for this session and leaving the file unchanged";

// A settings file with NUL bytes or bytes that are not UTF-8 is no text INI file, though a
// lenient reader would accept parts of it.
bool looksLikeText(const std::string& bytes) {
    if (bytes.find('\0') != std::string::npos) {
        return false;
    }
    const QByteArray raw = QByteArray::fromStdString(bytes);
    return QString::fromUtf8(raw).toUtf8() == raw;
}

// QSettings writes objects of other types as "@Variant(...)"; we write only plain text, so a
// file that holds such a value (even escaped) was written by another program and is left to it.
bool holdsSerialisedObjects(const std::string& bytes) {
    return bytes.find("Variant(") != std::string::npos;
}

// Why the file at this status is not read, or empty when it may be.
QString refusal(const struct stat& info) {
    if (S_ISDIR(info.st_mode)) {
        return QStringLiteral("cannot be read (it is a directory)");
    }
    if (!S_ISREG(info.st_mode)) {
        return QStringLiteral("is not a regular file");
    }
    if (info.st_size > QtSettingsStore::maxFileBytes) {
        return QStringLiteral("is larger than %1 MiB, too large for a settings file")
            .arg(QtSettingsStore::maxFileBytes / (1024 * 1024));
    }
    return {};
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

} // namespace

// Where QSettings would keep the organisation's file for the application, worked out without
// touching the file.
QString QtSettingsStore::userFilePath(const char* organization, const char* application) {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/" +
           organization + "/" + application + ".conf";
}

QtSettingsStore::QtSettingsStore(const QString& filePath) : filePath_(filePath) {
    load();
}

QtSettingsStore::~QtSettingsStore() {
    flush();
}

void QtSettingsStore::giveUpFile(const QString& reason, const char* consequence) {
    std::fprintf(stderr, "Settings: %s %s; %s\n",
                 escapedForLog(QFile::encodeName(filePath_).toStdString()).c_str(),
                 qUtf8Printable(reason), consequence);
    persistent_ = false;
}

std::optional<std::string> QtSettingsStore::readFile(const char* consequence) {
    const QByteArray name = QFile::encodeName(filePath_);
    const auto fail = [&](const QString& reason) -> std::optional<std::string> {
        giveUpFile(reason, consequence);
        return std::nullopt;
    };
    const auto failWithErrno = [&] {
        return fail(QStringLiteral("cannot be read (%1)")
                        .arg(QString::fromLocal8Bit(std::strerror(errno))));
    };
    struct stat info {};
    if (::stat(name.constData(), &info) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) {
            return std::string();
        }
        return failWithErrno();
    }
    if (const QString reason = refusal(info); !reason.isEmpty()) {
        return fail(reason);
    }
    // Non-blocking, so that a FIFO put there since the look above cannot hold the open.
    const FileDescriptor file(
        ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.get() < 0) {
        return failWithErrno();
    }
    if (::fstat(file.get(), &info) != 0) {
        return failWithErrno();
    }
    if (const QString reason = refusal(info); !reason.isEmpty()) {
        return fail(reason);
    }
    std::string bytes;
    char buffer[4096];
    while (bytes.size() <= static_cast<std::size_t>(maxFileBytes)) {
        const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return failWithErrno();
        }
        if (got == 0) {
            return bytes;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    info.st_size = static_cast<off_t>(bytes.size()); // it grew while being read
    return fail(refusal(info));
}

void QtSettingsStore::load() {
    const std::optional<std::string> bytes = readFile(readFailed);
    if (!bytes) {
        return;
    }
    if (!looksLikeText(*bytes)) {
        giveUpFile(QStringLiteral("is not a settings file"), readFailed);
        return;
    }
    const auto values = holdsSerialisedObjects(*bytes) ? std::nullopt : ini::parse(*bytes);
    if (!values) {
        giveUpFile(QStringLiteral("is not a valid settings file"), readFailed);
        return;
    }
    for (const auto& [key, text] : *values) {
        cache_.write(key, DefaultsValue::parse(text));
    }
}

DefaultsValue QtSettingsStore::read(std::string_view key) const {
    return cache_.read(key);
}

bool QtSettingsStore::write(std::string_view key, const DefaultsValue& value) {
    cache_.write(key, value);
    if (!persistent_) {
        return false;
    }
    pending_.insert_or_assign(std::string(key), value.isAbsent()
                                                    ? std::nullopt
                                                    : std::optional<std::string>(value.toString()));
    if (QCoreApplication::instance() == nullptr) {
        return flush();
    }
    if (!flushTimer_) {
        flushTimer_ = std::make_unique<QTimer>();
        flushTimer_->setSingleShot(true);
        flushTimer_->setInterval(flushDelayMs);
        QObject::connect(flushTimer_.get(), &QTimer::timeout, [this] { flush(); });
    }
    if (!flushTimer_->isActive()) {
        flushTimer_->start();
    }
    return true;
}

bool QtSettingsStore::flush() {
    if (flushTimer_ && flushTimer_->isActive()) {
        flushTimer_->stop();
    }
    if (!persistent_) {
        return false;
    }
    if (pending_.empty()) {
        return true;
    }
    constexpr const char* writeFailed = "changed settings are kept until Tinkella quits";
    // The file as it is now, so that what the user or another instance wrote meanwhile stays.
    const std::optional<std::string> current = readFile(writeFailed);
    if (!current) {
        return false;
    }
    if (!looksLikeText(*current) || holdsSerialisedObjects(*current) || !ini::parse(*current)) {
        giveUpFile(QStringLiteral("is no longer a valid settings file"), writeFailed);
        return false;
    }
    const std::string text = ini::update(*current, pending_);
    QDir().mkpath(QFileInfo(filePath_).absolutePath());
    QSaveFile file(filePath_);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size()) ||
        !file.commit()) {
        giveUpFile(QStringLiteral("cannot be written"), writeFailed);
        return false;
    }
    pending_.clear();
    return true;
}

} // namespace tinkella

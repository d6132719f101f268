// Linux desktops: a notification area is either a StatusNotifierItem host reached over
// the session bus (KDE Plasma, LXQt, XFCE, GNOME's AppIndicator extension) or an XEmbed
// tray on X11 (trayer, stalonetray, the older panels); many panels offer both. Either
// may start after the program or go away and come back while it runs.
#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QCursor>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QToolTip>
#include <QWidget>

#include <xcb/xcb.h>
#include <xcb/xfixes.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include "tray/TrayPlatform.h"

namespace bytelora {

namespace {

const QString kWatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kWatcherPath = QStringLiteral("/StatusNotifierWatcher");
// A watcher that does not answer must not hold up the window for long.
constexpr int kBusTimeoutMs = 2000;

// The XEmbed tray of this display's screen: the owner of the _NET_SYSTEM_TRAY_S<n>
// selection. XFixes reports every change of the owner, a tray that ends included.
class XEmbedTrayWatch final : public QAbstractNativeEventFilter {
  public:
    using Changed = std::function<void()>;

    explicit XEmbedTrayWatch(Changed changed) : changed_(std::move(changed)) {
        const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                                  : nullptr;
        // Not on X11: Wayland, or no display at all (Qt's offscreen platform may still
        // offer the interface, without a connection).
        if (x11 == nullptr || x11->connection() == nullptr) return;
        connection_ = x11->connection();
        int screenNumber = 0;
        char* host = nullptr;
        int display = 0;
        if (xcb_parse_display(nullptr, &host, &display, &screenNumber) != 0) std::free(host);
        xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection_));
        for (int i = 0; i < screenNumber && screens.rem > 0; ++i) xcb_screen_next(&screens);
        if (screens.rem == 0) return;
        const xcb_window_t root = screens.data->root;

        const std::string name = "_NET_SYSTEM_TRAY_S" + std::to_string(screenNumber);
        std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
            xcb_intern_atom_reply(connection_,
                                  xcb_intern_atom(connection_, 0,
                                                  static_cast<uint16_t>(name.size()), name.c_str()),
                                  nullptr),
            &std::free);
        if (!atom) return;
        selection_ = atom->atom;

        // Qt uses XFixes itself, so the extension is known on its connection.
        const xcb_query_extension_reply_t* xfixes = xcb_get_extension_data(connection_, &xcb_xfixes_id);
        if (xfixes != nullptr && xfixes->present) {
            xfixesEvent_ = xfixes->first_event + XCB_XFIXES_SELECTION_NOTIFY;
            xcb_xfixes_select_selection_input(
                connection_, root, selection_,
                XCB_XFIXES_SELECTION_EVENT_MASK_SET_SELECTION_OWNER |
                    XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_WINDOW_DESTROY |
                    XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_CLIENT_CLOSE);
            xcb_flush(connection_);
            qGuiApp->installNativeEventFilter(this);
        }
        present_ = AskOwner();
    }
    ~XEmbedTrayWatch() override {
        if (xfixesEvent_ != 0 && qGuiApp) qGuiApp->removeNativeEventFilter(this);
    }
    XEmbedTrayWatch(const XEmbedTrayWatch&) = delete;
    XEmbedTrayWatch& operator=(const XEmbedTrayWatch&) = delete;

    bool Present() const { return present_; }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (eventType != "xcb_generic_event_t") return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != xfixesEvent_) return false;
        const auto* notify = reinterpret_cast<const xcb_xfixes_selection_notify_event_t*>(event);
        if (notify->selection != selection_) return false;
        const bool present = notify->owner != XCB_NONE;
        if (present != present_) {
            present_ = present;
            changed_();
        }
        return false;  // Qt may want it too
    }

  private:
    bool AskOwner() const {
        if (selection_ == XCB_NONE) return false;
        std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&std::free)> owner(
            xcb_get_selection_owner_reply(connection_,
                                          xcb_get_selection_owner(connection_, selection_), nullptr),
            &std::free);
        return owner && owner->owner != XCB_NONE;
    }

    Changed changed_;
    xcb_connection_t* connection_ = nullptr;
    xcb_atom_t selection_ = XCB_NONE;
    uint8_t xfixesEvent_ = 0;
    bool present_ = false;
};

class LinuxTrayWatcher final : public TrayHostWatcher {
    Q_OBJECT

  public:
    LinuxTrayWatcher()
        : bus_(QDBusConnection::sessionBus()),
          serviceWatch_(kWatcherService, bus_,
                        QDBusServiceWatcher::WatchForRegistration |
                            QDBusServiceWatcher::WatchForUnregistration),
          // Out of the X11 event filter before Qt's icon is made or dropped.
          xembed_([this] { QMetaObject::invokeMethod(this, &LinuxTrayWatcher::Recheck, Qt::QueuedConnection); }) {
        connect(&serviceWatch_, &QDBusServiceWatcher::serviceRegistered, this,
                &LinuxTrayWatcher::Recheck);
        connect(&serviceWatch_, &QDBusServiceWatcher::serviceUnregistered, this,
                &LinuxTrayWatcher::Recheck);
        // A watcher may come up before its host (the panel that owns both registers the
        // watcher first), and a host may leave a watcher that stays.
        for (const char* signal : {"StatusNotifierHostRegistered", "StatusNotifierHostUnregistered"}) {
            bus_.connect(QString(), kWatcherPath, kWatcherService, QString::fromLatin1(signal), this,
                         SLOT(Recheck()));
        }
        sni_ = AskStatusNotifierHost();
        present_ = sni_ || xembed_.Present();
    }

    bool HostPresent() const override { return present_; }

  private slots:
    void Recheck() {
        sni_ = AskStatusNotifierHost();
        const bool present = sni_ || xembed_.Present();
        if (present == present_) return;
        present_ = present;
        emit HostChanged(present);
    }

  private:
    // What Qt asks before it puts an icon on the bus: a watcher with a host behind it.
    bool AskStatusNotifierHost() const {
        if (!bus_.isConnected() || bus_.interface() == nullptr) return false;
        if (!bus_.interface()->isServiceRegistered(kWatcherService).value()) return false;
        QDBusMessage get = QDBusMessage::createMethodCall(
            kWatcherService, kWatcherPath, QStringLiteral("org.freedesktop.DBus.Properties"),
            QStringLiteral("Get"));
        get << kWatcherService << QStringLiteral("IsStatusNotifierHostRegistered");
        const QDBusReply<QDBusVariant> reply = bus_.call(get, QDBus::Block, kBusTimeoutMs);
        return reply.isValid() && reply.value().variant().toBool();
    }

    QDBusConnection bus_;
    QDBusServiceWatcher serviceWatch_;
    XEmbedTrayWatch xembed_;
    bool sni_ = false;
    bool present_ = false;
};

}  // namespace

std::unique_ptr<TrayHostWatcher> MakeTrayHostWatcher() {
    return std::make_unique<LinuxTrayWatcher>();
}

// Notification services take the body as it is, and a CR shows as a stray character or
// an empty line.
QString NativeBalloonText(const QString& text) {
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return plain;
}

// Under XEmbed the tip is Qt's own tool tip over its tray window, which keeps its text
// while open; showing the new text at the same place updates it there. A StatusNotifierItem
// host asks for the tip again when told it changed, which Qt does.
void RefreshOpenTip(const QString& previousTip, const QString& tip) {
    if (!QToolTip::isVisible() || QToolTip::text() != previousTip) return;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("QSystemTrayIconSys") && window->isVisible()) {
            QToolTip::showText(QCursor::pos(), tip, window);
            return;
        }
    }
}

}  // namespace bytelora

#include "TrayPlatform_linux.moc"

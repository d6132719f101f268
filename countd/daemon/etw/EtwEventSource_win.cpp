// The kernel's traffic events, from a private real-time session of Event Tracing for
// Windows with the Microsoft-Windows-Kernel-Network provider enabled. The only part of the
// counter that needs a real Windows: everything it hands on is decoded and counted by the
// shared code. Starting the session and enabling the provider may "succeed" where no
// event will ever come (wine does so), so only opening the session for reading
// (OpenTraceW) and reading it (ProcessTrace) are taken as proof that it works.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
// The tracing headers need windows.h first.
#include <evntcons.h>
#include <evntrace.h>

#include <atomic>
#include <cstring>
#include <mutex>
#include <vector>

#include "countd/daemon/etw/EventSource.h"

namespace bytelora::countd {

namespace {

constexpr wchar_t kSessionName[] = L"Bytelora-countd";
// {7DD42A49-5329-4832-8DFD-43D979153A88}
constexpr GUID kKernelNetwork = {
    0x7dd42a49, 0x5329, 0x4832, {0x8d, 0xfd, 0x43, 0xd9, 0x79, 0x15, 0x3a, 0x88}};
// The provider's keywords for IPv4 and IPv6 traffic.
constexpr ULONGLONG kIpv4Keyword = 0x10;
constexpr ULONGLONG kIpv6Keyword = 0x20;

// EVENT_TRACE_PROPERTIES is followed by the session's name in the same block.
struct SessionProperties {
    EVENT_TRACE_PROPERTIES properties;
    wchar_t name[64];

    SessionProperties() {
        std::memset(this, 0, sizeof *this);
        properties.Wnode.BufferSize = sizeof *this;
        properties.Wnode.Flags = WNODE_FLAG_TRACED_GUID;
        properties.Wnode.ClientContext = 1;  // the performance counter's clock
        properties.LogFileMode = EVENT_TRACE_REAL_TIME_MODE;
        properties.LoggerNameOffset = offsetof(SessionProperties, name);
        properties.BufferSize = 64;  // KB; busy machines need room between two reads
        properties.MinimumBuffers = 16;
        properties.MaximumBuffers = 64;
        properties.FlushTimer = 1;  // seconds: a reader sees traffic within one
    }
};

std::string Failed(const char* what, ULONG error) {
    return std::string(what) + " failed with error " + std::to_string(error);
}

class EtwEventSource : public EventSource {
  public:
    ~EtwEventSource() override { Close(); }

    std::string Open() override {
        SessionProperties properties;
        ULONG error = ::StartTraceW(&session_, kSessionName, &properties.properties);
        if (error == ERROR_ALREADY_EXISTS) {
            // Left by a counter that did not end cleanly: stop it and start afresh.
            SessionProperties old;
            ::ControlTraceW(0, kSessionName, &old.properties, EVENT_TRACE_CONTROL_STOP);
            properties = SessionProperties();
            error = ::StartTraceW(&session_, kSessionName, &properties.properties);
        }
        if (error != ERROR_SUCCESS)
            return Failed("starting the trace session (StartTraceW)", error);
        error =
            ::EnableTraceEx2(session_, &kKernelNetwork, EVENT_CONTROL_CODE_ENABLE_PROVIDER,
                             TRACE_LEVEL_INFORMATION, kIpv4Keyword | kIpv6Keyword, 0, 0, nullptr);
        if (error != ERROR_SUCCESS) {
            Close();
            return Failed("enabling Microsoft-Windows-Kernel-Network (EnableTraceEx2)", error);
        }
        EVENT_TRACE_LOGFILEW logfile{};
        logfile.LoggerName = const_cast<wchar_t*>(kSessionName);
        logfile.ProcessTraceMode = PROCESS_TRACE_MODE_REAL_TIME | PROCESS_TRACE_MODE_EVENT_RECORD;
        logfile.EventRecordCallback = &EtwEventSource::OnEvent;
        logfile.Context = this;
        trace_ = ::OpenTraceW(&logfile);
        if (trace_ == INVALID_PROCESSTRACE_HANDLE) {
            const ULONG openError = ::GetLastError();
            Close();
            return Failed("reading the trace session (OpenTraceW)", openError) +
                   "; Event Tracing for Windows is not available here";
        }
        return {};
    }

    std::string Run(const Sink& sink) override {
        sink_ = &sink;
        const ULONG error = ::ProcessTrace(&trace_, 1, nullptr, nullptr);
        sink_ = nullptr;
        if (stopping_) return {};
        return Failed("reading the trace session (ProcessTrace)", error);
    }

    void Stop() override {
        stopping_ = true;
        Close();
    }

    std::uint64_t Lost() const override {
        std::lock_guard lock(mutex_);
        if (!session_) return lastLost_;
        SessionProperties properties;
        if (::ControlTraceW(session_, nullptr, &properties.properties, EVENT_TRACE_CONTROL_QUERY) ==
            ERROR_SUCCESS) {
            lastLost_ = properties.properties.EventsLost +
                        static_cast<std::uint64_t>(properties.properties.RealTimeBuffersLost);
        }
        return lastLost_;
    }

  private:
    static void WINAPI OnEvent(PEVENT_RECORD record) {
        auto* self = static_cast<EtwEventSource*>(record->UserContext);
        if (!self || !self->sink_) return;
        const EVENT_DESCRIPTOR& descriptor = record->EventHeader.EventDescriptor;
        RawEvent event;
        event.kernelNetwork = ::IsEqualGUID(record->EventHeader.ProviderId, kKernelNetwork);
        event.id = descriptor.Id;
        event.version = descriptor.Version;
        event.payload = {static_cast<const std::uint8_t*>(record->UserData),
                         record->UserDataLength};
        (*self->sink_)(event);
    }

    void Close() {
        std::lock_guard lock(mutex_);
        if (trace_ != INVALID_PROCESSTRACE_HANDLE) {
            ::CloseTrace(trace_);  // ends ProcessTrace
            trace_ = INVALID_PROCESSTRACE_HANDLE;
        }
        if (session_) {
            SessionProperties properties;
            ::ControlTraceW(session_, nullptr, &properties.properties, EVENT_TRACE_CONTROL_STOP);
            session_ = 0;
        }
    }

    mutable std::mutex mutex_;
    TRACEHANDLE session_ = 0;
    TRACEHANDLE trace_ = INVALID_PROCESSTRACE_HANDLE;
    const Sink* sink_ = nullptr;
    std::atomic<bool> stopping_{false};
    mutable std::uint64_t lastLost_ = 0;
};

}  // namespace

std::unique_ptr<EventSource> MakeKernelEventSource() {
    return std::make_unique<EtwEventSource>();
}

}  // namespace bytelora::countd

// Where the provider sends the part of a statement that reads another
// computer's catalogs, and how it calls off the parts still running once
// one has failed.
#pragma once

#include "indexing/statement/OrderedAnswer.h"

#include <atomic>
#include <functional>
#include <map>
#include <mutex>

namespace tessellon::statement {

class Cancellation {
public:
    // Sets the flag and runs every stop registered now or later.
    void cancel();
    bool cancelled() const { return cancelled_; }

    // Registers a stop (which must be safe to call from another thread) for
    // as long as the registration lives; nothing without a cancellation.
    class Registration {
    public:
        Registration(Cancellation* owner, std::function<void()> stop);
        ~Registration();
        Registration(const Registration&) = delete;
        Registration& operator=(const Registration&) = delete;

    private:
        Cancellation* owner_;
        int id_ = 0;
    };

private:
    std::mutex mutex_;
    std::atomic<bool> cancelled_ = false;
    std::map<int, std::function<void()>> stops_;
    int nextId_ = 0;
};

class HostStatements {
public:
    virtual ~HostStatements() = default;
    // Runs a statement over the host's own catalogs there and answers its
    // rows with their places; throws ProviderError when the host cannot be
    // reached, refuses it, or the cancellation stops it. Called from several
    // threads at once.
    virtual OrderedAnswer ask(const QString& host, const QString& statement, int maxRecords,
                              Cancellation& cancellation) = 0;
};

} // namespace tessellon::statement

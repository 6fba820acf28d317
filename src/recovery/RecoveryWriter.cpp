#include "recovery/RecoveryWriter.h"

#include "store/AtomicFile.h"

#include <algorithm>
#include <unistd.h>

RecoveryWriter::RecoveryWriter(Done done) : m_done(std::move(done))
{
    m_thread = std::thread([this] { run(); });
}

RecoveryWriter::~RecoveryWriter()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void RecoveryWriter::write(const std::string& file, std::string bytes)
{
    enqueue({file, std::move(bytes)});
}

void RecoveryWriter::remove(const std::string& file)
{
    enqueue({file, std::nullopt});
}

void RecoveryWriter::enqueue(Request request)
{
    {
        const std::lock_guard lock(m_mutex);
        const auto waiting =
            std::find_if(m_waiting.begin(), m_waiting.end(),
                         [&request](const Request& r) { return r.file == request.file; });
        if (waiting != m_waiting.end())
            *waiting = std::move(request);
        else
            m_waiting.push_back(std::move(request));
    }
    m_changed.notify_all();
}

void RecoveryWriter::flush()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_waiting.empty() && !m_busy; });
}

void RecoveryWriter::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_stopping || !m_waiting.empty(); });
        if (m_waiting.empty())
            return; // stopping, with nothing left to do
        Request request = std::move(m_waiting.front());
        m_waiting.pop_front();
        m_busy = true;
        lock.unlock();
        if (request.bytes) {
            const bool written = AtomicFile::replace(request.file, *request.bytes);
            if (m_done)
                m_done(request.file, written);
        } else {
            unlink(request.file.c_str());
        }
        lock.lock();
        m_busy = false;
        m_changed.notify_all();
    }
}

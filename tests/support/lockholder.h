#pragma once

#include <QFile>
#include <QString>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

// Another process holding a file's exclusive lock (flock, as every Parlox reader and writer
// takes it) from construction until the object goes away. Pipes order the two processes, so
// nothing waits on a clock.
class LockHolder {
public:
    explicit LockHolder(const QString &path)
    {
        const QByteArray name = QFile::encodeName(path);
        int ready[2];
        int release[2];
        if (::pipe(ready) != 0 || ::pipe(release) != 0) {
            ADD_FAILURE() << "no pipe";
            return;
        }
        m_child = ::fork();
        if (m_child == 0) {
            ::close(release[1]);
            const int fd = ::open(name.constData(), O_RDWR);
            char state = fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0 ? 'L' : 'F';
            if (::write(ready[1], &state, 1) == 1)
                static_cast<void>(::read(release[0], &state, 1)); // returns when released
            ::_exit(0);
        }
        ::close(ready[1]);
        ::close(release[0]);
        char state = 0;
        EXPECT_EQ(::read(ready[0], &state, 1), 1);
        EXPECT_EQ(state, 'L') << "the other process could not lock " << name.constData();
        ::close(ready[0]);
        m_release = release[1];
    }
    ~LockHolder()
    {
        ::close(m_release);
        if (m_child > 0)
            ::waitpid(m_child, nullptr, 0);
    }
    LockHolder(const LockHolder &) = delete;
    LockHolder &operator=(const LockHolder &) = delete;

private:
    pid_t m_child = -1;
    int m_release = -1;
};

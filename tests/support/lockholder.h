#pragma once

#include <QFile>
#include <QString>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

// Another process holding a file's exclusive lock (flock, as every Parlox reader and writer
// takes it) from construction until the object goes away. A pipe says when the lock is taken,
// so nothing waits on a clock.
class LockHolder {
public:
    explicit LockHolder(const QString &path)
    {
        const QByteArray name = QFile::encodeName(path);
        int ready[2] = {-1, -1};
        EXPECT_EQ(::pipe(ready), 0);
        m_child = ::fork();
        if (m_child == 0) {
            // A test that dies must not leave the lock, or the pipes its runner waits on, behind.
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);
            const int fd = ::open(name.constData(), O_RDWR);
            const char locked = fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
            if (::write(ready[1], &locked, 1) == 1)
                ::pause(); // until killed
            ::_exit(0);
        }
        char locked = 0;
        EXPECT_TRUE(::read(ready[0], &locked, 1) == 1 && locked) << "no lock on " << name.data();
        ::close(ready[0]);
        ::close(ready[1]);
    }
    ~LockHolder()
    {
        if (m_child > 0 && ::kill(m_child, SIGKILL) == 0)
            ::waitpid(m_child, nullptr, 0);
    }

private:
    pid_t m_child = -1;
};

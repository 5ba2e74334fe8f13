/* window_mapped.c: starts a program and prints the milliseconds until the
   first top-level window is mapped on the X display (a MapNotify on the
   root window), then ends the program. Used by launch_time.sh.

       window_mapped PROGRAM [ARGS...]

   Exit status 2 when the display cannot be opened, 3 when the program ends
   before it maps a window. */
#include <X11/Xlib.h>
#include <signal.h>
#include <stdio.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double NowMs(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: window_mapped PROGRAM [ARGS...]\n");
        return 1;
    }
    Display* d = XOpenDisplay(NULL);
    if (d == NULL) return 2;
    XSelectInput(d, DefaultRootWindow(d), SubstructureNotifyMask);
    XSync(d, False);
    const double t0 = NowMs();
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[1], argv + 1);
        _exit(127);
    }
    int mapped = 0;
    while (!mapped) {
        while (XPending(d) > 0) {
            XEvent e;
            XNextEvent(d, &e);
            if (e.type == MapNotify) mapped = 1;
        }
        if (!mapped && waitpid(pid, NULL, WNOHANG) == pid) return 3;
        if (!mapped) usleep(200);
    }
    printf("%.1f\n", NowMs() - t0);
    kill(pid, SIGTERM);
    waitpid(pid, NULL, 0);
    return 0;
}

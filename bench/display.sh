# shellcheck shell=bash
# Sourced by the bench scripts: a session of their own, apart from the user's desktop and settings.

# scratch_session DIR: keeps the program's configuration and runtime folders inside DIR, then
# starts Xvfb on a display number picked at random, exports DISPLAY, leaves the server's process
# in xvfb_pid (for the caller's trap to end) and waits until it answers. Returns 1, starting no
# server, where Xvfb is not installed.
scratch_session() {
    export XDG_CONFIG_HOME=$1/config XDG_RUNTIME_DIR=$1/run
    mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
    command -v Xvfb >/dev/null || return 1
    local display=:$((90 + RANDOM % 200))
    Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    # shellcheck disable=SC2034  # ended by the caller's trap
    xvfb_pid=$!
    export DISPLAY=$display
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
}

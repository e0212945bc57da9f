#pragma once

// While it lives, a failure of the toolkit to reach a display ends the program with a Finnish
// message and status 1, where Qt would abort with its own message. The toolkit's warnings wait
// meanwhile: they are passed on once the display is reached, and the Finnish message says what
// they would have said when it is not.
class DisplayFailureGuard {
  public:
    DisplayFailureGuard();
    ~DisplayFailureGuard() { release(); }
    // Once the toolkit runs, its messages are its own again.
    void release();
    DisplayFailureGuard(const DisplayFailureGuard&) = delete;
    DisplayFailureGuard& operator=(const DisplayFailureGuard&) = delete;

  private:
    bool active_ = true;
};

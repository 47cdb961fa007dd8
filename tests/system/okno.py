#!/usr/bin/python3
"""Acts on the game's window as a window manager would.

Usage: okno.py close | focus-away | focus-back
  close       sends WM_DELETE_WINDOW, as a title bar's close button does
  focus-away  gives the keyboard focus to no window
  focus-back  gives it back to the window under the pointer, the game's, as
              the server does when no window manager runs
Run with Debian's python3 (python3-xlib); DISPLAY names the server.
"""
import sys

from Xlib import X, display, protocol


def game_window(d):
    """The top-level window of class "Allegro" that asks for WM_DELETE_WINDOW."""
    wm_delete = d.intern_atom('WM_DELETE_WINDOW')
    for w in d.screen().root.query_tree().children:
        try:
            cls = w.get_wm_class()
            protocols = w.get_wm_protocols() or []
        except Exception:
            continue
        if cls and cls[1] == 'Allegro' and wm_delete in protocols:
            return w
    sys.exit('okno.py: no Allegro window that takes WM_DELETE_WINDOW')


def main():
    if len(sys.argv) != 2 or sys.argv[1] not in ('close', 'focus-away', 'focus-back'):
        sys.exit(__doc__)
    d = display.Display()
    if sys.argv[1] == 'close':
        w = game_window(d)
        data = (32, [d.intern_atom('WM_DELETE_WINDOW'), X.CurrentTime, 0, 0, 0])
        event = protocol.event.ClientMessage(window=w, client_type=d.intern_atom('WM_PROTOCOLS'), data=data)
        w.send_event(event, event_mask=X.NoEventMask)
    elif sys.argv[1] == 'focus-away':
        d.set_input_focus(X.NONE, X.RevertToNone, X.CurrentTime)
    else:
        d.set_input_focus(X.PointerRoot, X.RevertToPointerRoot, X.CurrentTime)
    d.sync()


main()

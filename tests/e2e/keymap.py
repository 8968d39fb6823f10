"""Keys of their own for characters that the test keyboard lacks. xdotool types such a
character by mapping it to a spare key for the moment and mapping the key back at once;
a program that reads the map after that has been undone drops the character. A key
mapped here stays for the life of the desktop, so xdotool finds it and maps nothing."""

import ctypes
import ctypes.util

# X keysyms: Latin-1 characters are their own code; any other character is its code
# point above this base.
UNICODE_KEYSYM_BASE = 0x1000000


def _x11():
    x11 = ctypes.CDLL(ctypes.util.find_library("X11"))
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XDisplayKeycodes.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_int)]
    x11.XGetKeyboardMapping.restype = ctypes.POINTER(ctypes.c_ulong)
    x11.XGetKeyboardMapping.argtypes = [ctypes.c_void_p, ctypes.c_ubyte, ctypes.c_int, ctypes.POINTER(ctypes.c_int)]
    x11.XChangeKeyboardMapping.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int,
                                           ctypes.POINTER(ctypes.c_ulong), ctypes.c_int]
    x11.XFree.argtypes = [ctypes.c_void_p]
    x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    return x11


def keysym_of(character):
    code = ord(character)
    return code if 0x20 <= code <= 0xFF else UNICODE_KEYSYM_BASE + code


def _keysyms_by_keycode(x11, display):
    """Every keycode's keysyms, as {keycode: [keysym, ...]}."""
    low, high = ctypes.c_int(), ctypes.c_int()
    x11.XDisplayKeycodes(display, ctypes.byref(low), ctypes.byref(high))
    count = high.value - low.value + 1
    per_keycode = ctypes.c_int()
    mapping = x11.XGetKeyboardMapping(display, low.value, count, ctypes.byref(per_keycode))
    try:
        return {low.value + index: [mapping[index * per_keycode.value + level] for level in range(per_keycode.value)]
                for index in range(count)}
    finally:
        x11.XFree(mapping)


def give_keys(display_name, characters):
    """Maps each character that no key types yet to a key that types nothing."""
    x11 = _x11()
    display = x11.XOpenDisplay(display_name.encode())
    if not display:
        raise RuntimeError("cannot open display %s" % display_name)
    try:
        keysyms = _keysyms_by_keycode(x11, display)
        mapped = {keysym for syms in keysyms.values() for keysym in syms}
        wanted = [keysym for keysym in dict.fromkeys(map(keysym_of, characters)) if keysym not in mapped]
        free = [keycode for keycode, syms in sorted(keysyms.items()) if not any(syms)]
        if len(wanted) > len(free):
            raise RuntimeError("%d characters need a key, and %d keys are free" % (len(wanted), len(free)))
        for keycode, keysym in zip(free, wanted):
            x11.XChangeKeyboardMapping(display, keycode, 1, (ctypes.c_ulong * 1)(keysym), 1)
        x11.XSync(display, 0)
    finally:
        x11.XCloseDisplay(display)

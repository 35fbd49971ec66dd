#!/usr/bin/python3
"""Simulated Varnel Pro devices: one real FTP server per loopback address.

Each device serves DIR/<address>/ as its FTP root, holding /RFA with Doc and
Images, at port 21 of its own loopback address (127.0.0.2, 127.0.0.3, ...).
Port 21 needs root or CAP_NET_BIND_SERVICE. Prints "ready" once every device
listens, then serves until it is stopped.

    /usr/bin/python3 tools/simdevices.py --root /tmp/devices \\
        127.0.0.2 "127.0.0.3,password=other,fault=no-images"

A device is ADDRESS followed by comma-separated options:
    user=NAME         login name (default admin)
    password=TEXT     password (default admin)
    fault=FAULT       may be given several times:
        no-rfa        the device has no /RFA
        no-images     the device has no /RFA/Images
        no-doc        the device has no /RFA/Doc
        refuse-login  every login is refused
        fail-once     the first login is refused, later ones succeed
        drop-upload   the connection is cut in the middle of every upload
        truncate      an upload is stored with only its first half
        silent        the device accepts connections and never answers
    throttle=BYTES    the device's link moves at most BYTES per second, all
                      its transfers together
"""

import argparse
import os
import socket
import sys
import threading
import time

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import ActiveDTP, DTPHandler, FTPHandler
from pyftpdlib.ioloop import IOLoop
from pyftpdlib.servers import FTPServer

EMPTY_USER = "(empty user name)"
FAULTS = {"no-rfa", "no-images", "no-doc", "refuse-login", "fail-once", "drop-upload",
          "truncate", "silent"}


def parse_device(text):
    parts = text.split(",")
    device = {"address": parts[0], "user": "admin", "password": "admin", "faults": set(),
              "throttle": 0}
    for option in parts[1:]:
        key, _, value = option.partition("=")
        if key == "fault":
            if value not in FAULTS:
                raise SystemExit("unknown fault: " + value)
            device["faults"].add(value)
        elif key == "throttle":
            device["throttle"] = int(value)
        elif key in ("user", "password"):
            device[key] = value
        else:
            raise SystemExit("unknown option: " + option)
    return device


def make_tree(root, device):
    home = os.path.join(root, device["address"])
    os.makedirs(home, exist_ok=True)
    faults = device["faults"]
    if "no-rfa" not in faults:
        os.makedirs(os.path.join(home, "RFA"), exist_ok=True)
        if "no-doc" not in faults:
            os.makedirs(os.path.join(home, "RFA", "Doc"), exist_ok=True)
        if "no-images" not in faults:
            os.makedirs(os.path.join(home, "RFA", "Images"), exist_ok=True)
    return home


class Link:
    """A device's network link: moves at most `rate` bytes per second."""

    def __init__(self, rate):
        self.rate = rate
        self.free_at = 0.0

    def delay_after(self, size):
        """Seconds to wait after moving `size` bytes, to keep to the rate."""
        now = time.monotonic()
        self.free_at = max(self.free_at, now) + size / self.rate
        return self.free_at - now


class HandingOverActiveDTP(ActiveDTP):
    """pyftpdlib's active-mode connector keeps the number of the socket it
    hands to the data channel, and unregisters that number when it is shut
    down at the session's next PORT. By then the number may belong to another
    session's connection, which then never hears of its data again. Forget
    the number once the socket is handed over."""

    def handle_connect(self):
        super().handle_connect()
        self._fileno = None


class DeviceAuthorizer(DummyAuthorizer):
    def __init__(self, faults):
        super().__init__()
        self.faults = faults
        self.logins = 0

    def validate_authentication(self, username, password, handler):
        self.logins += 1
        if "refuse-login" in self.faults or ("fail-once" in self.faults and self.logins == 1):
            from pyftpdlib.authorizers import AuthenticationFailed
            raise AuthenticationFailed("login refused")
        super().validate_authentication(username, password, handler)


def handler_for(device, home):
    faults = device["faults"]

    link = Link(device["throttle"]) if device["throttle"] else None

    class DataHandler(DTPHandler):
        """Data connections of one device share its link speed."""

        def use_sendfile(self):
            return link is None and super().use_sendfile()

        def recv(self, buffer_size):
            chunk = super().recv(buffer_size)
            self._throttle(len(chunk))
            return chunk

        def send(self, data):
            sent = super().send(data)
            self._throttle(sent)
            return sent

        def _throttle(self, size):
            delay = link.delay_after(size) if link else 0
            if delay > 0.005 and not self._closed:
                self.del_channel()
                self.ioloop.call_later(delay, self._wake, _errback=self.handle_error)

        def _wake(self):
            if not self._closed:
                self.add_channel(events=self.ioloop.READ if self.receive else self.ioloop.WRITE)

        def handle_read(self):
            super().handle_read()
            if "drop-upload" in faults and self.receive and self.tot_bytes_received > 0:
                self.cmd_channel.close()

        handle_read_event = handle_read

    class DeviceHandler(FTPHandler):
        authorizer = DeviceAuthorizer(faults)
        auth_failed_timeout = 0.05
        dtp_handler = DataHandler
        active_dtp = HandingOverActiveDTP
        banner = "Varnel Pro simulated device ready."
        # Devices take an empty user name and password as they come.
        proto_cmds = dict(FTPHandler.proto_cmds,
                          USER=dict(FTPHandler.proto_cmds["USER"], arg=None),
                          PASS=dict(FTPHandler.proto_cmds["PASS"], arg=None))

        def ftp_USER(self, line):
            # pyftpdlib keeps no empty user name: stand in a name of our own.
            super().ftp_USER(line or EMPTY_USER)

        def on_file_received(self, file):
            if "truncate" in faults:
                with open(file, "r+b") as f:
                    f.truncate(os.path.getsize(file) // 2)

    DeviceHandler.authorizer.add_user(device["user"] or EMPTY_USER, device["password"], home,
                                      perm="elradfmwMT")
    return DeviceHandler


def serve_silently(address, port):
    listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    listener.bind((address, port))
    listener.listen(16)
    held = []

    def accept_forever():
        while True:
            connection, _ = listener.accept()
            held.append(connection)  # kept open, never answered

    threading.Thread(target=accept_forever, daemon=True).start()


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--root", required=True, help="folder that holds every device's files")
    parser.add_argument("--port", type=int, default=21)
    parser.add_argument("devices", nargs="+", metavar="DEVICE")
    args = parser.parse_args()

    ioloop = IOLoop.instance()
    for text in args.devices:
        device = parse_device(text)
        home = make_tree(args.root, device)
        if "silent" in device["faults"]:
            serve_silently(device["address"], args.port)
            continue
        server = FTPServer((device["address"], args.port), handler_for(device, home),
                           ioloop=ioloop)
        server.max_cons = 64
    print("ready", flush=True)
    try:
        ioloop.loop()
    except KeyboardInterrupt:
        pass


if __name__ == "__main__":
    import logging
    logging.basicConfig(level=logging.WARNING)
    sys.exit(main())

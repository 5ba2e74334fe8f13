#!/usr/bin/python3
"""Serves the game's page on the loopback interface only.

    web_serve.py FOLDER [PORT]     (PORT 0: any free port, printed)

Plain files with the WebAssembly type for .wasm; nothing is cached by the
browser, so a rebuilt page is always the one that loads.
"""
import functools
import http.server
import sys


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".js": "text/javascript", ".data": "application/octet-stream"}

    def end_headers(self):
        self.send_header("Cache-Control", "no-store")
        super().end_headers()

    def log_message(self, fmt, *args):
        pass


def make_server(folder, port):
    handler = functools.partial(Handler, directory=folder)
    return http.server.ThreadingHTTPServer(("127.0.0.1", port), handler)


if __name__ == "__main__":
    server = make_server(sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 8080)
    print("http://127.0.0.1:%d/" % server.server_address[1], flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass

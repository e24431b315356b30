#!/usr/bin/env python3
"""endless_page.py: an HTTP server on a free loopback port that answers every
request with an update page that never ends. Prints "port N" once it
listens, and "sent N" with the bytes it wrote each time a client hangs up."""
import http.server
import sys


class EndlessPage(http.server.BaseHTTPRequestHandler):
    def do_GET(self) -> None:
        self.send_response(200)
        self.send_header("Content-Type", "text/html")
        self.end_headers()
        sent = 0
        chunk = b"<script>var app_version='3.8';</script>" + b"x" * 65536
        try:
            while sent < 4 * 1024 * 1024 * 1024:
                self.wfile.write(chunk)
                sent += len(chunk)
        except OSError:
            pass
        print(f"sent {sent}", flush=True)

    def log_message(self, *args) -> None:
        pass


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), EndlessPage)
print(f"port {server.server_address[1]}", flush=True)
sys.stdout.flush()
server.serve_forever()

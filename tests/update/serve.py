# serve.py FOLDER: serves FOLDER on 127.0.0.1, printing its port and one where nobody listens.
# FOLDER/.fault is what goes wrong: a kind (see below), then "@" and the file it strikes if not
# versio.kdx. "loop" redirects without end, "trickle" sends a byte at a time, "endless" no end,
# "300" answers Multiple Choices with the file itself as the body.
import http.server, socket, sys, time

folder = sys.argv[1]


class Handler(http.server.SimpleHTTPRequestHandler):
    def __init__(self, *args, **kwargs):
        super().__init__(*args, directory=folder, **kwargs)

    def do_GET(self):
        kind, _, name = open(folder + "/.fault").read().partition("@")
        target = "/" + (name or "versio.kdx")
        redirects = {"moved": target + "?moved", "loop": target + "?", "file": "file:///etc/passwd"}
        faults = redirects.keys() | {"404", "500", "300", "stall", "short", "trickle", "endless"}
        if self.path.partition("?" if kind == "loop" else "#")[0] != target or kind not in faults:
            return super().do_GET()
        if kind in ("404", "500"):
            return self.send_error(int(kind))
        time.sleep(60 if kind == "stall" else 0)
        self.send_response(302 if kind in redirects else 300 if kind == "300" else 200)
        self.send_header("Location", redirects.get(kind, "") + ("1" + self.path if kind == "loop" else ""))
        body = open(folder + target, "rb").read() if kind in ("short", "300") else b""
        if kind != "endless":
            self.send_header("Content-Length", str(10000 if kind == "trickle" else (1 + (kind == "short")) * len(body)))
        self.end_headers()
        self.wfile.write(body)
        while kind in ("trickle", "endless"):
            self.wfile.write(b"1" if kind == "trickle" else bytes(65536))
            time.sleep(0.1 if kind == "trickle" else 0)


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
with socket.socket() as closed:
    closed.bind(("127.0.0.1", 0))
    refused = closed.getsockname()[1]
print(server.server_address[1], refused, flush=True)
server.serve_forever()

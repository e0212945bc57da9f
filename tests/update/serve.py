# Usage: serve.py FOLDER FAULT. Serves FOLDER on 127.0.0.1 at a free port, which it prints.
# FAULT "404", "stall" or "moved" (a redirect) strikes versio.kdx; "short" cuts Saldori.bin short.
import http.server, sys, time

folder, fault = sys.argv[1:3]
target = "/Saldori.bin" if fault == "short" else "/versio.kdx"


class Handler(http.server.SimpleHTTPRequestHandler):
    def __init__(self, *args, **kwargs):
        super().__init__(*args, directory=folder, **kwargs)

    def do_GET(self):
        if self.path != target or not fault:
            return super().do_GET()
        if fault == "404":
            return self.send_error(404)
        time.sleep(60 if fault == "stall" else 0)
        self.send_response(302 if fault == "moved" else 200)
        self.send_header("Location", target + "?moved")
        body = open(folder + target, "rb").read() if fault == "short" else b""
        self.send_header("Content-Length", str(2 * len(body)))
        self.end_headers()
        self.wfile.write(body)


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
print(server.server_address[1], flush=True)
server.serve_forever()

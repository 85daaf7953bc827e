// A small static file server for trying the dictionary page locally and
// for its browser test: serves one folder over HTTP on 127.0.0.1, with the
// content types that ES modules and WebAssembly need.
//
//   node web/serve.mjs build-web/site [PORT]     (default port 8080)

import { createReadStream } from 'node:fs';
import { stat } from 'node:fs/promises';
import { createServer } from 'node:http';
import { extname, join, resolve, sep } from 'node:path';
import { pathToFileURL } from 'node:url';

const kTypes = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8',
  '.json': 'application/json',
  '.wasm': 'application/wasm',
  '.css': 'text/css; charset=utf-8',
  '.tsv': 'text/tab-separated-values',
  '.txt': 'text/plain',
  '.png': 'image/png',
};

// The file under `root` that `url` names, or null when it names none.
// Paths may not climb out of `root`; links inside it are followed.
async function fileFor(root, url) {
  let path;
  try {
    path = decodeURIComponent(new URL(url, 'http://host').pathname);
  } catch {
    return null;
  }
  let file = resolve(join(root, path));
  if (file !== root && !file.startsWith(root + sep)) return null;
  try {
    if ((await stat(file)).isDirectory()) file = join(file, 'index.html');
    return (await stat(file)).isFile() ? file : null;
  } catch {
    return null;
  }
}

// Serves `root` on `port` (0 picks a free one). Resolves to the server
// once it listens; its address().port says where.
export function serve(root, port = 0) {
  const base = resolve(root);
  const server = createServer(async (request, response) => {
    const file = request.method === 'GET' || request.method === 'HEAD'
      ? await fileFor(base, request.url) : null;
    if (file === null) {
      response.writeHead(404, { 'Content-Type': 'text/plain' });
      response.end('not found\n');
      return;
    }
    response.writeHead(200, {
      'Content-Type': kTypes[extname(file)] ?? 'application/octet-stream',
      'Cache-Control': 'no-store',
    });
    if (request.method === 'HEAD') {
      response.end();
      return;
    }
    createReadStream(file).pipe(response);
  });
  return new Promise((resolveListening, reject) => {
    server.once('error', reject);
    server.listen(port, '127.0.0.1', () => resolveListening(server));
  });
}

if (import.meta.url === pathToFileURL(process.argv[1] ?? '').href) {
  const [root, port = '8080'] = process.argv.slice(2);
  if (!root) {
    console.error('usage: node web/serve.mjs DIR [PORT]');
    process.exit(2);
  }
  const server = await serve(root, Number(port));
  console.log(`serving ${resolve(root)} at http://127.0.0.1:${server.address().port}/`);
}

// Where the tests find what they test: the package built into
// $TESVAR_WEB_BUILD/package (default build-web/package in the repository),
// and the native command line for comparisons.

import { execFileSync } from 'node:child_process';
import { mkdirSync, mkdtempSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

export const repoDir = resolve(dirname(fileURLToPath(import.meta.url)), '../..');
export const buildDir = resolve(process.env.TESVAR_WEB_BUILD ?? join(repoDir, 'build-web'));
export const packageDir = join(buildDir, 'package');

// A module of the built package, e.g. importBuilt('tesvar.js').
export function importBuilt(file) {
  return import(pathToFileURL(join(packageDir, file)).href);
}

// Packs the built package with `npm pack` and installs the tarball into a
// fresh project folder, as a user would. Returns the folder, the tarball
// and npm's list of the files packed; the caller removes `dir`.
export function installPacked() {
  const dir = mkdtempSync(join(tmpdir(), 'tesvar-install-'));
  const [packed] = JSON.parse(execFileSync('npm',
    ['pack', '--json', '--pack-destination', dir],
    { cwd: packageDir, stdio: ['ignore', 'pipe', 'inherit'] }).toString());
  const tarball = join(dir, packed.filename);
  const project = join(dir, 'project');
  mkdirSync(project);
  writeFileSync(join(project, 'package.json'),
    JSON.stringify({ name: 'tesvar-user', private: true, type: 'module' }));
  execFileSync('npm',
    ['install', '--offline', '--no-audit', '--no-fund', '--loglevel=error', tarball],
    { cwd: project, stdio: ['ignore', 'ignore', 'inherit'] });
  return { dir, project, tarball, files: packed.files.map((file) => file.path) };
}

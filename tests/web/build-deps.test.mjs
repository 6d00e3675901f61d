// The temporary deb-src entry tools/web/build-deps.sh writes: the archive and suites the
// machine already installs from, in either of apt's formats, never the security archive.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { mkdtemp, mkdir, rm, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { test } from 'node:test';
import { fileURLToPath } from 'node:url';

const script = fileURLToPath(new URL('../../tools/web/build-deps.sh', import.meta.url));
const keyring = 'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg';
const security = ['Types: deb', 'URIs: http://deb.debian.org/debian-security', 'Suites: bookworm-security',
  'Components: main', keyring].join('\n');
const archive = ['Types: deb', 'URIs: http://deb.debian.org/debian', 'Suites: bookworm bookworm-updates',
  'Components: main', keyring].join('\n');
const nodesource = ['Types: deb', 'URIs: https://deb.nodesource.com/node_20.x', 'Suites: nodistro',
  'Components: main', 'Signed-By: /usr/share/keyrings/nodesource.gpg'].join('\n');
const mirror = ['Types: deb deb-src', 'URIs: http://mirror.example/debian/', 'Suites: bookworm',
  'Components: main contrib', keyring].join('\n');

function entry(uris, suites) {
  return `Types: deb-src\nURIs: ${uris}\nSuites: ${suites}\nComponents: main\n${keyring}\n`;
}

const cases = [
  {
    name: 'deb822: the archive after the security archive',
    files: { 'sources.list.d/debian.sources': `${security}\n\n${archive}\n` },
    want: entry('http://deb.debian.org/debian', 'bookworm bookworm-updates'),
  },
  {
    name: "deb822: another vendor's repository is passed over",
    files: { 'sources.list.d/a-nodesource.sources': nodesource, 'sources.list.d/debian.sources': archive },
    want: entry('http://deb.debian.org/debian', 'bookworm bookworm-updates'),
  },
  {
    name: 'deb822: a mirror with more than one type',
    files: { 'sources.list.d/mirror.sources': mirror },
    want: entry('http://mirror.example/debian/', 'bookworm'),
  },
  {
    name: 'one line each, with options',
    files: {
      'sources.list': [
        '# deb http://old.example/debian buster main',
        'deb http://security.debian.org/debian-security bookworm-security main',
        'deb [arch=amd64 signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://ftp.de.debian.org/debian bookworm main',
      ].join('\n'),
    },
    want: entry('http://ftp.de.debian.org/debian', 'bookworm'),
  },
  {
    name: 'one line, in sources.list.d',
    files: { 'sources.list.d/debian.list': 'deb http://deb.debian.org/debian bookworm main\n' },
    want: entry('http://deb.debian.org/debian', 'bookworm'),
  },
  {
    name: 'disabled files are not read',
    files: { 'sources.list.d/debian.sources.disabled': archive, 'sources.list.d/other.list.save': 'deb http://deb.debian.org/debian sid main' },
    want: null,
  },
  { name: 'only the security archive', files: { 'sources.list.d/debian.sources': security }, want: null },
];

for (const { name, files, want } of cases) {
  test(name, async () => {
    const etc = await mkdtemp(join(tmpdir(), 'marlix-apt-'));
    try {
      await mkdir(join(etc, 'sources.list.d'));
      for (const [path, text] of Object.entries(files)) await writeFile(join(etc, path), text);
      const run = spawnSync('sh', [script, '--source-entry'], {
        env: { ...process.env, MARLIX_APT_ETC: etc },
        encoding: 'utf8',
      });
      if (want === null) {
        assert.notEqual(run.status, 0);
        assert.equal(run.stdout, '');
      } else {
        assert.equal(run.status, 0, run.stderr);
        assert.equal(run.stdout, want);
      }
    } finally {
      await rm(etc, { recursive: true, force: true });
    }
  });
}

// Recent readings, kept in this browser's IndexedDB only: the form of each, newest first.
const DATABASE = 'vela-upagrahas';
const STORE = 'recent';
const KEPT = 20;

function open() {
  return new Promise((resolve, reject) => {
    const request = indexedDB.open(DATABASE, 1);
    request.onupgradeneeded = () => request.result.createObjectStore(STORE, { keyPath: 'id', autoIncrement: true });
    request.onsuccess = () => resolve(request.result);
    request.onerror = () => reject(request.error);
  });
}

async function run(mode, work) {
  const db = await open();
  try {
    return await new Promise((resolve, reject) => {
      const transaction = db.transaction(STORE, mode);
      const result = work(transaction.objectStore(STORE));
      transaction.oncomplete = () => resolve(result?.result);
      transaction.onerror = () => reject(transaction.error);
      transaction.onabort = () => reject(transaction.error);
    });
  } finally {
    db.close();
  }
}

export async function list() {
  const entries = (await run('readonly', (store) => store.getAll())) ?? [];
  return entries.reverse();
}

// Keeps a reading's form; the same form again moves to the top, and the oldest beyond KEPT go.
export async function remember(request, label) {
  const key = JSON.stringify(request);
  const entries = await list();
  await run('readwrite', (store) => {
    for (const entry of entries) if (JSON.stringify(entry.request) === key) store.delete(entry.id);
    for (const entry of entries.filter((e) => JSON.stringify(e.request) !== key).slice(KEPT - 1)) store.delete(entry.id);
    store.add({ request, label });
  });
}

export const forget = (id) => run('readwrite', (store) => store.delete(id));
export const forgetAll = () => run('readwrite', (store) => store.clear());

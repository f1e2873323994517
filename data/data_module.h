#pragma once

#include <QObject>

// Owns the lesson tables' queries; created before every screen.
class TDataModule1 final : public QObject {
    Q_OBJECT
public:
    explicit TDataModule1(QObject* parent = nullptr);
    ~TDataModule1() override;
};

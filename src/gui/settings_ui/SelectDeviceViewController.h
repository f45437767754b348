#pragma once

#include "gui/settings_ui/SelectFromListViewController.h"

#include <QStringList>
#include <QtGlobal>

// Asks which camera wrote a card whose camera cannot be recognised: the
// model names, whose position is the model type.
class SelectDeviceViewController : public SelectFromListViewController
{
    Q_OBJECT

public:
    explicit SelectDeviceViewController(const QStringList &deviceList, QWidget *parent = nullptr);

    qint64 selectedModelType() const;

    static constexpr const char *kTitleKey =
        "블랙박스 정보를 읽을 수 없습니다.\n모델명을 선택하면 해당 모델의 기본 설정값이 "
        "적용됩니다.";
};
